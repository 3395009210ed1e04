#include "windows/window_places.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr int kGap = 6; // pixels between a window and the one it opens beside
constexpr int kTitleAllowance = 30;

enum class TSide { Right, Below, Left, Above };

// The part of the screen on one side of the anchor, clear of it by the gap.
QRect FreeSide(const QRect& anchor, const QRect& screen, TSide side)
{
    switch (side) {
    case TSide::Right: return QRect(QPoint(anchor.right() + 1 + kGap, screen.top()), screen.bottomRight());
    case TSide::Below: return QRect(QPoint(screen.left(), anchor.bottom() + 1 + kGap), screen.bottomRight());
    case TSide::Left: return QRect(screen.topLeft(), QPoint(anchor.left() - 1 - kGap, screen.bottom()));
    case TSide::Above: return QRect(screen.topLeft(), QPoint(screen.right(), anchor.top() - 1 - kGap));
    }
    return {};
}

int Clamped(int wanted, int low, int high) { return std::max(low, std::min(wanted, high)); }

// In the free side, as near the anchor as it goes, lined up with the anchor's top or left edge.
QRect PlaceIn(const QRect& side, const QSize& size, const QRect& anchor, TSide where)
{
    QRect place(QPoint(), size);
    const bool beside = where == TSide::Right || where == TSide::Left;
    const int x = beside ? (where == TSide::Right ? side.left() : side.right() + 1 - size.width())
                         : Clamped(anchor.left(), side.left(), side.right() + 1 - size.width());
    const int y = beside ? Clamped(anchor.top(), side.top(), side.bottom() + 1 - size.height())
                         : (where == TSide::Below ? side.top() : side.bottom() + 1 - size.height());
    place.moveTopLeft(QPoint(x, y));
    return place;
}

long Area(const QSize& size) { return long(std::max(size.width(), 0)) * std::max(size.height(), 0); }

QSettings PlaceSettings() { return QSettings(QStringLiteral("Korvel"), QStringLiteral("Korvel")); }

QList<QRect> AvailableScreens()
{
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) screens << screen->availableGeometry();
    return screens;
}

// Stores the place at every hide; a close of a window that only hides passes through here too.
class PlaceKeeper : public QObject {
public:
    PlaceKeeper(QWidget& window, const QString& key) : QObject(&window), window_(window), key_(key) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &window_ || event->type() != QEvent::Hide || !window_.isWindow()) return false;
        // The inside's size, not the frame's: a frame that differs next time must not make it drift.
        QSettings settings = PlaceSettings();
        settings.setValue(key_ + "/frame", window_.frameGeometry());
        settings.setValue(key_ + "/size", window_.size());
        return false;
    }

private:
    QWidget& window_;
    QString key_;
};

// Every dialog of the program, the toolkit's file, print and message dialogs included, opens
// where the user last moved a dialog of its kind and title. Only the corner is kept: the same
// kind of dialog may need another size for another text.
QString DialogPlaceKey(const QDialog& dialog)
{
    return QStringLiteral("Places/Dialogs/%1/%2").arg(dialog.metaObject()->className(), dialog.windowTitle().trimmed());
}

void MoveToStoredCorner(QDialog& dialog)
{
    const QRect stored = PlaceSettings().value(DialogPlaceKey(dialog)).toRect();
    const QRect wanted(stored.topLeft(), dialog.frameGeometry().size());
    if (!stored.isEmpty() && KeptOnScreen(wanted, AvailableScreens()) == wanted) dialog.move(stored.topLeft());
}

class DialogPlaceKeeper : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show && event->type() != QEvent::Hide) return false;
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (!dialog || !dialog->isWindow()) return false;
        if (event->type() == QEvent::Show) MoveToStoredCorner(*dialog);
        else PlaceSettings().setValue(DialogPlaceKey(*dialog), dialog->frameGeometry());
        return false;
    }
};

// What the window manager adds around the window; before the first show it is not known, and a
// title bar of the usual height is allowed for.
QMargins FrameMargins(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect inside = window.geometry();
    if (frame == inside && !window.testAttribute(Qt::WA_WState_Created)) return QMargins(0, kTitleAllowance, 0, 0);
    return QMargins(inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
                    frame.bottom() - inside.bottom());
}

// A window's move places its frame; its size is the inside's.
void SetFrame(QWidget& window, const QRect& frame)
{
    window.resize(frame.size().shrunkBy(FrameMargins(window)));
    window.move(frame.topLeft());
}

} // namespace

QRect PlaceBeside(const QRect& anchor, const QSize& size, const QSize& minimum, const QRect& screen)
{
    constexpr std::array sides{TSide::Right, TSide::Below, TSide::Left, TSide::Above};
    for (TSide side : sides) {
        const QRect free = FreeSide(anchor, screen, side);
        if (free.width() >= size.width() && free.height() >= size.height()) return PlaceIn(free, size, anchor, side);
    }
    // Shrunk to a side's room, the window is worth least where it falls below its minimum.
    const auto room = [&](TSide side) {
        const QSize free = FreeSide(anchor, screen, side).size();
        const bool holdsMinimum = free.width() >= minimum.width() && free.height() >= minimum.height();
        return std::pair(holdsMinimum, Area(size.boundedTo(free)));
    };
    const TSide roomiest = *std::max_element(sides.begin(), sides.end(), [&](TSide a, TSide b) { return room(a) < room(b); });
    const QRect free = FreeSide(anchor, screen, roomiest);
    // A window that cannot shrink enough stays whole on the screen, over a part of the anchor.
    return KeptOnScreen(PlaceIn(free, size.boundedTo(free.size()).expandedTo(minimum), anchor, roomiest), {screen});
}

QRect KeptOnScreen(const QRect& wanted, const QList<QRect>& screens)
{
    if (screens.isEmpty()) return wanted;
    const auto overlap = [&](const QRect& screen) { return Area(screen.intersected(wanted).size()); };
    const QRect best = *std::max_element(screens.begin(), screens.end(),
                                         [&](const QRect& a, const QRect& b) { return overlap(a) < overlap(b); });
    QRect kept(wanted.topLeft(), wanted.size().boundedTo(best.size()));
    kept.moveLeft(Clamped(kept.left(), best.left(), best.right() + 1 - kept.width()));
    kept.moveTop(Clamped(kept.top(), best.top(), best.bottom() + 1 - kept.height()));
    return kept;
}

bool RestorePlace(QWidget& window, const QString& key)
{
    const QSettings settings = PlaceSettings();
    const QRect frame = settings.value(key + "/frame").toRect();
    const QSize size = settings.value(key + "/size").toSize();
    if (frame.isEmpty() || size.isEmpty() || KeptOnScreen(frame, AvailableScreens()) != frame) return false;
    window.resize(size);
    window.move(frame.topLeft());
    return true;
}

void RememberPlace(QWidget& window, const QString& key) { window.installEventFilter(new PlaceKeeper(window, key)); }

void OpenBeside(QWidget& window, const QWidget& anchor)
{
    const QMargins margins = FrameMargins(window);
    const QSize frame = window.size().grownBy(margins);
    const QSize minimum = window.minimumSizeHint().expandedTo(window.minimumSize()).grownBy(margins);
    const QScreen* screen = anchor.screen() ? anchor.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    SetFrame(window, PlaceBeside(anchor.frameGeometry(), frame, minimum, screen->availableGeometry()));
}

void KeepDialogPlaces(QApplication& application) { application.installEventFilter(new DialogPlaceKeeper(&application)); }
