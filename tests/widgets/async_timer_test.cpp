// The threaded timer: ticks arrive on the GUI thread only while enabled, a failing handler is
// reported, and destruction returns at once whatever the timing thread is doing.
#include "widgets/async_timer.h"

#include "common/errors.h"
#include "test_support.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>

TEST(AsyncTimer, TicksOnTheGuiThreadOnlyWhileEnabled)
{
    AsyncTimer timer;
    timer.SetInterval(5);
    EXPECT_FALSE(timer.IsEnabled());
    int ticks = 0;
    bool allOnGuiThread = true;
    timer.SetHandler([&] {
        ++ticks;
        allOnGuiThread = allOnGuiThread && QThread::currentThread() == qApp->thread();
    });
    QSignalSpy tickSignals(&timer, &AsyncTimer::Tick);

    QTest::qWait(30);
    EXPECT_EQ(ticks, 0) << "never enabled";

    timer.SetEnabled(true);
    QTRY_VERIFY(ticks >= 3);
    EXPECT_TRUE(allOnGuiThread);
    EXPECT_EQ(tickSignals.count(), ticks);

    timer.SetEnabled(false);
    const int ticksWhenDisabled = ticks;
    QTest::qWait(50);
    EXPECT_EQ(ticks, ticksWhenDisabled) << "a tick already on its way is dropped";

    timer.SetEnabled(true);
    QTRY_VERIFY(ticks > ticksWhenDisabled);
}

TEST(AsyncTimer, ReportsAFailingHandlerAndKeepsTicking)
{
    MessageRecorder messages;
    AsyncTimer timer;
    timer.SetInterval(1);
    int ticks = 0;
    timer.SetHandler([&] {
        if (++ticks == 1)
            RaiseError("tick failed");
    });
    timer.SetEnabled(true);
    QTRY_VERIFY(ticks >= 3);
    EXPECT_EQ(messages.texts, QStringList{"tick failed"});
}

TEST(AsyncTimer, DestructionReturnsPromptlyInEveryState)
{
    const auto destroyQuickly = [](std::unique_ptr<AsyncTimer> timer, const char* state) {
        QElapsedTimer clock;
        clock.start();
        timer.reset();
        EXPECT_LT(clock.elapsed(), 1000) << state;
    };

    destroyQuickly(std::make_unique<AsyncTimer>(), "suspended");

    auto waiting = std::make_unique<AsyncTimer>();
    waiting->SetInterval(60000);
    waiting->SetEnabled(true);
    destroyQuickly(std::move(waiting), "counting a long interval");

    // The GUI thread does not run events here, so the timing thread sits waiting for a hand-over.
    auto pending = std::make_unique<AsyncTimer>();
    int ticks = 0;
    pending->SetHandler([&] { ++ticks; });
    pending->SetInterval(1);
    pending->SetEnabled(true);
    QThread::msleep(20);
    destroyQuickly(std::move(pending), "hand-over pending");
    QApplication::processEvents();
    EXPECT_EQ(ticks, 0) << "the pending tick died with its timer";

    auto* selfDestroying = new AsyncTimer;
    QElapsedTimer clock;
    clock.start();
    selfDestroying->SetHandler([&] { delete selfDestroying; selfDestroying = nullptr; });
    selfDestroying->SetInterval(1);
    selfDestroying->SetEnabled(true);
    QTRY_VERIFY(selfDestroying == nullptr);
    EXPECT_LT(clock.elapsed(), 1000) << "destroyed by its own handler";
}
