// The caption button keeps its place at the top right of its window and clicks.
#include "widgets/caption_button.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

TEST(CaptionButton, StaysThirtyFourPixelsFromTheRightEdgeAcrossResizesAndClicks)
{
    QWidget window;
    window.resize(300, 200);
    auto* button = new CaptionButton(&window);
    EXPECT_EQ(button->RightMargin(), 34);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(button->x(), window.width() - 34);

    window.resize(420, 240);
    QTRY_COMPARE(window.width(), 420);
    EXPECT_EQ(button->x(), 420 - 34);
    EXPECT_LT(button->y(), 10);

    button->SetRightMargin(50);
    EXPECT_EQ(button->x(), 420 - 50);

    QSignalSpy clicks(button, &QAbstractButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
}
