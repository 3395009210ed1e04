// Start-up: the window set, the splash's two timers driven tick by tick, and the main window's
// caption button and close.
#include "windows/main/tform1.h"
#include "windows/main/tform12.h"
#include "windows/main/tform6.h"
#include "windows/main/window_set.h"
#include "windows/entry/tform2.h"
#include "windows/entry/tform4.h"
#include "windows/entry/tform5.h"
#include "windows/results/tform11.h"
#include "windows/results/tform3.h"
#include "windows/dimensioning/tform10.h"
#include "windows/editor/tform7.h"
#include "windows/view3d/tform9.h"
#include "widgets/caption_button.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class StartUpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CreateWindowSet();
        Form12->show();
    }
    void TearDown() override { DestroyWindowSet(); }

    static void TickStart(int ticks)
    {
        for (int i = 0; i < ticks; ++i) Form12->Timer1Timer();
    }
    static void TickWipe(int ticks)
    {
        for (int i = 0; i < ticks; ++i) Form12->Timer2Timer();
    }
};

bool HasFlags(const QWidget* window, Qt::WindowFlags flags) { return (window->windowFlags() & flags) == flags; }

TEST_F(StartUpTest, EveryWindowExistsWithItsKindSizeAndPlace)
{
    const QWidget* windows[] = {Form12, Form1, Form2, Form3, Form4, Form5, Form6, Form7, Form9, Form10, Form11};
    for (const QWidget* window : windows) ASSERT_NE(window, nullptr);

    EXPECT_TRUE(HasFlags(Form12, Qt::FramelessWindowHint));
    EXPECT_EQ(Form12->size(), QSize(249, 185));
    EXPECT_EQ(Form12->geometry().center(), QGuiApplication::primaryScreen()->geometry().center());

    EXPECT_EQ(Form1->windowTitle(), " Korvel - CAD");
    EXPECT_EQ(Form1->geometry(), QRect(301, 264, 250, 185));
    EXPECT_EQ(Form1->CaptionButton1->x(), Form1->width() - 34);

    EXPECT_EQ(Form3->windowTitle(), "Form3");
    EXPECT_TRUE(HasFlags(Form3, Qt::Tool | Qt::WindowStaysOnTopHint));
    EXPECT_EQ(Form3->geometry(), QRect(177, 425, 620, 176));

    EXPECT_TRUE(HasFlags(Form6, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint));
    EXPECT_EQ(Form6->geometry(), QRect(2, 51, 176, 505));

    EXPECT_EQ(Form11->windowTitle(), "Bearing reactions");
    EXPECT_TRUE(HasFlags(Form11, Qt::Tool | Qt::WindowStaysOnTopHint));
    EXPECT_EQ(Form11->geometry().topLeft(), QPoint(10, 436));

    for (const QWidget* window : windows)
        if (window != Form12) EXPECT_FALSE(window->isVisible()) << qPrintable(window->windowTitle());
}

TEST_F(StartUpTest, MainWindowAndPanelComeAfterFiveTicksAndTheSplashGoesAfterSeven)
{
    EXPECT_TRUE(Form12->Timer1->isActive());
    EXPECT_EQ(Form12->Timer1->interval(), 1000);
    TickStart(4);
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_FALSE(Form6->isVisible());

    TickStart(1);
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_TRUE(Form1->windowState().testFlag(Qt::WindowMaximized));
    Form1->FillScreenIfNotMaximised(); // what the window does when no window manager maximised it
    EXPECT_GE(Form1->width(), Form1->screen()->availableGeometry().width() / 2);
    EXPECT_TRUE(Form6->isVisible());
    EXPECT_TRUE(Form12->isVisible());

    TickStart(1);
    EXPECT_TRUE(Form12->isVisible());
    EXPECT_TRUE(Form12->Timer1->isActive());
    TickStart(1);
    EXPECT_FALSE(Form12->isVisible());
    EXPECT_FALSE(Form12->Timer1->isActive());
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_TRUE(Form6->isVisible());
}

// A start that names a design file shows the design at once: no splash, no ticks to wait for.
TEST_F(StartUpTest, ANamedDesignBringsUpTheMainWindowAndPanelAtOnce)
{
    Form12->SkipSplash();
    EXPECT_FALSE(Form12->isVisible());
    EXPECT_FALSE(Form12->Timer1->isActive());
    EXPECT_FALSE(Form12->Timer2->isActive());
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_TRUE(Form1->windowState().testFlag(Qt::WindowMaximized));
    EXPECT_TRUE(Form6->isVisible());
}

TEST_F(StartUpTest, WipeBringsTheSplashInFromTheRightAndStopsAfterSixtyEightTicks)
{
    EXPECT_EQ(Form12->Timer2->interval(), 50);
    EXPECT_EQ(Form12->Region().boundingRect().left(), 244);
    TickWipe(1);
    EXPECT_EQ(Form12->Region().boundingRect().left(), 239);
    TickWipe(9);
    EXPECT_EQ(Form12->Region().boundingRect().left(), 194);
    TickWipe(39);
    EXPECT_EQ(Form12->Region().boundingRect().left(), 0);
    EXPECT_EQ(Form12->Region(), Form12->Region() | QRegion(100, 90, 1, 1)); // the middle is in
    TickWipe(18);
    EXPECT_TRUE(Form12->Timer2->isActive());
    TickWipe(1);
    EXPECT_FALSE(Form12->Timer2->isActive());
    EXPECT_TRUE(Form12->isVisible());

    TickStart(5);
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_TRUE(Form12->isVisible());
}

TEST_F(StartUpTest, CaptionButtonMinimisesEveryOpenWindowAndRestoringBringsThemBack)
{
    TickStart(5);
    Form3->show();
    QTest::mouseClick(Form1->CaptionButton1, Qt::LeftButton);
    const std::initializer_list<QWidget*> open = {Form1, Form3, Form6, Form12};
    for (const QWidget* window : open) EXPECT_TRUE(window->isMinimized());
    EXPECT_FALSE(Form11->isVisible());

    Form1->setWindowState(Qt::WindowMaximized);
    EXPECT_FALSE(Form3->isMinimized());
    EXPECT_FALSE(Form6->isMinimized());
    EXPECT_TRUE(Form6->isVisible());
}

TEST_F(StartUpTest, ClosingTheMainWindowTakesEveryWindowWithIt)
{
    TickStart(5);
    Form3->show();
    Form11->show();
    EXPECT_TRUE(Form1->close());
    const std::initializer_list<QWidget*> open = {Form1, Form3, Form6, Form11, Form12};
    for (const QWidget* window : open) EXPECT_FALSE(window->isVisible());
}

} // namespace
