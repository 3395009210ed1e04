// Thousands of random actions on the whole window set: no crash, no action that takes longer
// than 2 s, and no NaN or infinity shown. KORVEL_MONKEY_ACTIONS and KORVEL_MONKEY_SEED set the
// length and the seed of a run; a failure names the seed and the actions that led to it, and
// KORVEL_MONKEY_TRACE prints every action.
#include "window_monkey.h"

#include "windows/entry/tform2.h"
#include "windows/entry/tform4.h"
#include "windows/entry/tform5.h"
#include "windows/main/design_windows.h"
#include "windows/main/tform1.h"
#include "windows/main/tform12.h"
#include "windows/main/tform6.h"
#include "windows/main/window_set.h"
#include "windows/results/tform11.h"
#include "windows/results/tform3.h"
#include "windows/dimensioning/tform10.h"
#include "windows/editor/tform7.h"
#include "windows/editor/tform7_undo.h"
#include "widgets/image_button.h"
#include "windows/view3d/tform9.h"

#include "common/errors.h"
#include "test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QToolButton>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <random>
#include <thread>

namespace {

constexpr auto kHangLimit = std::chrono::seconds(2);

int Setting(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

QList<QWidget*> WindowSet()
{
    QList<QWidget*> windows{Form12, Form1, Form2, Form3, Form4, Form5, Form6, Form7, Form9, Form10, Form11};
    windows.removeAll(nullptr);
    return windows;
}

// Ends the program with the action in progress when it has run for longer than the limit: a
// hung action never returns to fail the test by itself.
class THangWatch {
public:
    THangWatch() : thread_([this] { Watch(); }) {}
    ~THangWatch()
    {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }

    void Start(const QString& action)
    {
        std::lock_guard lock(mutex_);
        action_ = action.toStdString();
        started_ = std::chrono::steady_clock::now();
        running_ = true;
    }
    void Stop()
    {
        std::lock_guard lock(mutex_);
        running_ = false;
    }

private:
    void Watch()
    {
        std::unique_lock lock(mutex_);
        while (!wake_.wait_for(lock, std::chrono::milliseconds(100), [this] { return done_; })) {
            if (running_ && std::chrono::steady_clock::now() - started_ > kHangLimit) {
                std::fprintf(stderr, "hang: '%s' has run for more than 2 s\n", action_.c_str());
                std::abort();
            }
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::string action_;
    std::chrono::steady_clock::time_point started_;
    bool running_ = false;
    bool done_ = false;
    std::thread thread_;
};

class RandomActionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousDirectory_ = QDir::currentPath();
        QDir::setCurrent(SourcePath(".")); // the glyph files are read relative to it
        CreateWindowSet();
        // A modal dialog or a popup menu would wait for a user: the monkey cancels every one.
        QObject::connect(&dismissModal_, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->reject();
            if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        });
        dismissModal_.start(50);
        // Every other save goes to a file, the others are cancelled.
        Form3->AskSaveFileName = [this] {
            saveNext_ = !saveNext_;
            return saveNext_ ? folder_.filePath("page") : QString();
        };
    }
    void TearDown() override
    {
        dismissModal_.stop();
        DestroyWindowSet();
        QDir::setCurrent(previousDirectory_);
    }

    // Whatever the user has made opens again from its file as it was.
    QString SaveAndReopen()
    {
        const TDesign before = CaptureDesign();
        const QString fileName = folder_.filePath("design.korvel");
        try {
            Form1->SaveFile(fileName);
            Form1->OpenFile(fileName);
        } catch (const KorvelError& error) {
            return "saved and reopened: " + error.Text();
        }
        return CaptureDesign() == before ? QString() : "the reopened design differs from the saved one";
    }

    QTimer dismissModal_;
    QTemporaryDir folder_;
    bool saveNext_ = false;
    QString previousDirectory_;
};

TEST_F(RandomActionsTest, NoCrashHangOrNonFiniteTextOverThousandsOfActions)
{
    const unsigned seed = unsigned(Setting("KORVEL_MONKEY_SEED", 20261207));
    const int actions = Setting("KORVEL_MONKEY_ACTIONS", 3000);
    const bool trace = qEnvironmentVariableIsSet("KORVEL_MONKEY_TRACE");
    MessageRecorder messages;
    TWindowMonkey monkey(WindowSet, seed);
    monkey.AddImageWidget([] { return Form7 ? static_cast<QWidget*>(Form7->Frame81->Image1) : nullptr; });
    // Between its editor actions: the 3D model, which sorts the drawing, and undo and redo, which
    // put other texts back under the editor's picks.
    const auto inEditor = [](const std::function<QAbstractButton*()>& button) {
        return [button] {
            if (!Form7->isVisible()) return false;
            button()->click();
            return true;
        };
    };
    monkey.AddStep("3D model of the drawing", inEditor([] { return Form7->IBtn2; }));
    monkey.AddStep("undo in the editor", inEditor([] { return Form7->History->UndoButton; }));
    monkey.AddStep("redo in the editor", inEditor([] { return Form7->History->RedoButton; }));
    Form1->show();
    Form6->show();

    THangWatch watch;
    std::mt19937 reopenMoments(seed);
    QStringList recent;
    qint64 slowest = 0;
    QString slowestAction;
    for (int i = 0; i < actions; ++i) {
        watch.Start(QString("action %1 of seed %2").arg(i).arg(seed));
        QElapsedTimer clock;
        clock.start();
        recent << monkey.Act();
        if (trace) std::printf("%d: %s\n", i, qPrintable(recent.last()));
        QApplication::processEvents();
        watch.Stop();
        if (clock.elapsed() > slowest) {
            slowest = clock.elapsed();
            slowestAction = recent.last();
        }
        if (recent.size() > 25) recent.removeFirst();
        if (std::uniform_int_distribution<int>(0, 99)(reopenMoments) == 0) {
            const QString failure = SaveAndReopen();
            ASSERT_TRUE(failure.isEmpty()) << "seed " << seed << ", action " << i << ": " << qPrintable(failure)
                                           << "\nafter:\n" << qPrintable(recent.join('\n'));
        }
        const QStringList shown = monkey.NonFiniteTexts();
        ASSERT_TRUE(shown.isEmpty()) << "seed " << seed << ", action " << i << ": " << qPrintable(shown.join("; "))
                                     << "\nafter:\n" << qPrintable(recent.join('\n'));
    }
    std::printf("%d random actions, %lld messages shown; the slowest took %lld ms: %s\n", actions,
                static_cast<long long>(messages.texts.size()), static_cast<long long>(slowest), qPrintable(slowestAction));
}

} // namespace
