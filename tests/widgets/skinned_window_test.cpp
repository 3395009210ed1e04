// The skinned window: its shape from the skin, its painted skin, and dragging by the body.
#include "widgets/skinned_window.h"

#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// A 100 x 100 green skin with its top-left 20 x 20 corner cut away.
QPixmap CornerCutSkin()
{
    QPixmap skin(100, 100);
    skin.fill(Qt::transparent);
    QPainter painter(&skin);
    painter.fillRect(20, 0, 80, 100, Qt::green);
    painter.fillRect(0, 20, 20, 80, Qt::green);
    return skin;
}
}

TEST(SkinnedWindow, IsCutToTheSkinAndPaintsIt)
{
    SkinnedWindow window;
    window.resize(100, 100);
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    window.SetSkin(CornerCutSkin());

    EXPECT_FALSE(window.Region().contains(QPoint(5, 5)));
    EXPECT_FALSE(window.Region().contains(QPoint(19, 19)));
    EXPECT_TRUE(window.Region().contains(QPoint(20, 5)));
    EXPECT_TRUE(window.Region().contains(QPoint(99, 99)));
    EXPECT_EQ(window.grab().toImage().pixelColor(50, 50), QColor(Qt::green));

    window.SetRegion(QRegion());
    EXPECT_TRUE(window.mask().isEmpty()) << "an empty region shows the window whole";

    window.SetAlwaysOnTop(true);
    EXPECT_TRUE(window.IsAlwaysOnTop());
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
}

TEST(SkinnedWindow, MovesWhenDraggedByItsBodyButChildrenKeepTheirClicks)
{
    SkinnedWindow window;
    window.setGeometry(100, 100, 200, 150);
    auto* child = new QPushButton("child", &window);
    child->setGeometry(120, 100, 60, 30);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QPoint start = window.pos();

    QSignalSpy childClicks(child, &QPushButton::clicked);
    QTest::mouseClick(child, Qt::LeftButton);
    EXPECT_EQ(childClicks.count(), 1);
    EXPECT_EQ(window.pos(), start);

    QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseMove(&window, QPoint(50, 60));
    QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(50, 60));
    QTRY_COMPARE(window.pos(), start + QPoint(30, 40));

    window.SetDraggable(false);
    const QPoint placed = window.pos();
    QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseMove(&window, QPoint(60, 60));
    QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(60, 60));
    QTest::qWait(50);
    EXPECT_EQ(window.pos(), placed);
}

namespace {
class PaintCountingWindow : public SkinnedWindow {
public:
    int paints = 0;

protected:
    void PaintSkin(QPainter& painter) override
    {
        ++paints;
        SkinnedWindow::PaintSkin(painter);
    }
};
}

// A growing region (the splash's wipe) showed black where the window had not painted yet.
TEST(SkinnedWindow, RepaintsWhatAGrowingRegionUncovers)
{
    PaintCountingWindow window;
    window.resize(100, 100);
    window.SetRegion(QRegion(95, 0, 5, 100));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    const int paintsBefore = window.paints;
    window.SetRegion(QRegion(50, 0, 50, 100));
    QCoreApplication::processEvents();
    EXPECT_GT(window.paints, paintsBefore);
}
