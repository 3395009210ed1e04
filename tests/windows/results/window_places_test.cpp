// Where windows open, on plain rectangles: beside the window they belong to without covering
// it, on the two screen sizes the program is used on, and back on the screen when a stored place
// lies off it.
#include "windows/window_places.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {

const QRect kLarge(0, 0, 1600, 1000);
const QRect kSmall(0, 0, 1366, 768);
const QRect kEditor(111, 15, 670, 578);
const QRect kPageWindow(177, 24, 620, 590); // with its title bar
const QSize kReactions(199, 142);
const QSize kCheck(860, 570);
const QSize kCheckMinimum(520, 360);

TEST(WindowPlaces, BesideItsWindowWithoutCoveringIt)
{
    struct TCase {
        QRect anchor;
        QSize size, minimum;
        QRect screen, expected;
    };
    const TCase cases[] = {
        // The reactions panel to the right of the page, level with its top.
        {kPageWindow, kReactions, kReactions, kLarge, QRect(QPoint(803, 24), kReactions)},
        {kPageWindow, kReactions, kReactions, kSmall, QRect(QPoint(803, 24), kReactions)},
        // The check is wider than the room right of the editor: it takes that room, whole height kept.
        {kEditor, kCheck, kCheckMinimum, kLarge, QRect(787, 15, 813, 570)},
        {kEditor, kCheck, kCheckMinimum, kSmall, QRect(787, 15, 579, 570)},
        // A small window fits right of the editor whole; one too wide for the right fits below.
        {kEditor, QSize(300, 200), QSize(300, 200), kSmall, QRect(787, 15, 300, 200)},
        // Below would give it more room, but less height than it needs.
        {QRect(0, 0, 1000, 600), QSize(900, 500), QSize(400, 400), kLarge, QRect(1006, 0, 594, 500)},
        {QRect(400, 15, 900, 500), QSize(1000, 240), QSize(500, 200), kSmall, QRect(366, 521, 1000, 240)},
        // Hard against the right edge of the screen: to the left.
        {QRect(1000, 100, 366, 600), QSize(400, 300), QSize(400, 300), kSmall, QRect(594, 100, 400, 300)},
    };
    for (const TCase& c : cases) {
        const QRect place = PlaceBeside(c.anchor, c.size, c.minimum, c.screen);
        EXPECT_EQ(place, c.expected) << c.anchor.x() << " " << c.size.width() << " on " << c.screen.width();
        EXPECT_FALSE(place.intersects(c.anchor));
        EXPECT_TRUE(c.screen.contains(place));
    }
}

TEST(WindowPlaces, AWindowThatCannotShrinkEnoughStaysWholeOnTheScreen)
{
    const QRect place = PlaceBeside(kEditor, kCheck, QSize(700, 400), kSmall);
    EXPECT_EQ(place.size(), QSize(700, 570));
    EXPECT_TRUE(kSmall.contains(place));
    EXPECT_EQ(place.right(), kSmall.right());
}

TEST(WindowPlaces, AStoredPlaceOffTheScreensComesBackOntoOne)
{
    const QList<QRect> one{kSmall};
    EXPECT_EQ(KeptOnScreen(QRect(700, 300, 600, 400), one), QRect(700, 300, 600, 400));
    // Left on a second monitor that is gone, or dragged half off the bottom.
    EXPECT_EQ(KeptOnScreen(QRect(2200, 300, 600, 400), one), QRect(766, 300, 600, 400));
    EXPECT_EQ(KeptOnScreen(QRect(100, 600, 600, 400), one), QRect(100, 368, 600, 400));
    EXPECT_EQ(KeptOnScreen(QRect(-50, -20, 2000, 900), one), kSmall);
    // With two side by side, on the one it mostly lies on.
    const QList<QRect> two{kSmall, QRect(1366, 0, 1600, 1000)};
    EXPECT_EQ(KeptOnScreen(QRect(1300, 50, 600, 400), two), QRect(1366, 50, 600, 400));
}

// Where the user leaves a window is where it opens next time, in a later run too; a place that
// today's screen cannot hold whole is given up.
TEST(WindowPlaces, AWindowOpensWhereTheUserLeftIt)
{
    const QString key = QStringLiteral("Places/TestWindow");
    QSettings(QStringLiteral("Korvel"), QStringLiteral("Korvel")).remove(key);
    QWidget first;
    EXPECT_FALSE(RestorePlace(first, key));
    RememberPlace(first, key);
    first.setGeometry(300, 200, 320, 240);
    first.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&first));
    first.move(340, 260); // the user drags it
    QTest::qWait(50);
    const QRect left = first.frameGeometry();
    first.close();

    QWidget later;
    later.setGeometry(0, 0, 100, 100);
    ASSERT_TRUE(RestorePlace(later, key));
    EXPECT_EQ(later.pos(), left.topLeft());
    EXPECT_EQ(later.size(), QSize(320, 240));

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QSettings(QStringLiteral("Korvel"), QStringLiteral("Korvel")).setValue(key + "/frame", QRect(screen.right() - 100, 10, 320, 240));
    EXPECT_FALSE(RestorePlace(later, key));
    QSettings(QStringLiteral("Korvel"), QStringLiteral("Korvel")).remove(key);
}

// Dialogs keep the corner the user gave the last one of their kind and title.
TEST(WindowPlaces, ADialogOpensWhereTheUserLeftTheLastOfItsKind)
{
    QSettings(QStringLiteral("Korvel"), QStringLiteral("Korvel")).remove(QStringLiteral("Places/Dialogs"));
    KeepDialogPlaces(*qApp);
    const auto shown = [](const QString& title) {
        auto* dialog = new QDialog;
        dialog->setWindowTitle(title);
        dialog->resize(300, 200);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
        return std::unique_ptr<QDialog>(dialog);
    };
    QPoint corner;
    {
        const auto first = shown("Export PDF");
        first->move(420, 310); // the user drags it
        QTest::qWait(50);
        corner = first->frameGeometry().topLeft();
        first->hide();
    }
    EXPECT_EQ(shown("Export PDF")->frameGeometry().topLeft(), corner);
    EXPECT_NE(shown("Open design")->frameGeometry().topLeft(), corner);
}

} // namespace
