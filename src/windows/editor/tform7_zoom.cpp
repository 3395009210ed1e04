// The profile editor's zoom and pan: the buttons and keys, Ctrl + wheel about the pointer, and a
// drag with the middle button or with Space held. A view only: the text, the undo history and
// the saved design do not see it.
#include "windows/editor/tform7.h"

#include "analysis/analysis_state.h"
#include "common/errors.h"
#include "profile/dhl_rendering.h"
#include "profile/editor_zoom.h"
#include "windows/editor/tform7_pictures.h"

#include <QAction>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>
#include <algorithm>

namespace {

constexpr long double kZoomStep = 2;
constexpr int kBandRows = 200;

QToolButton* AddZoomButton(QWidget* parent, QAction* action, int top)
{
    auto* button = new QToolButton(parent);
    button->setDefaultAction(action);
    button->setIconSize(QSize(18, 18));
    button->setGeometry(parent->width() - 45, top, 23, 23);
    return button;
}

QAction* AddZoomAction(QWidget* window, const QIcon& glyph, const QString& hint,
                       const QList<QKeySequence>& keys)
{
    auto* action = new QAction(glyph, hint, window);
    action->setToolTip(hint);
    action->setShortcuts(keys);
    window->addAction(action);
    return action;
}

} // namespace

// Over the frame's top right corner, where the band keeps the margin right of the shaft.
void TForm7::CreateZoomControls()
{
    QAction* zoomIn = AddZoomAction(this, ZoomInGlyph(), "Zoom in (Ctrl++, Ctrl + wheel)",
                                    {QKeySequence("Ctrl++"), QKeySequence("Ctrl+=")});
    QAction* zoomOut = AddZoomAction(this, ZoomOutGlyph(), "Zoom out (Ctrl+-)", {QKeySequence("Ctrl+-")});
    QAction* whole = AddZoomAction(this, WholeShaftGlyph(), "Whole shaft (Ctrl+0)", {QKeySequence("Ctrl+0")});
    ZoomInButton = AddZoomButton(Frame81, zoomIn, 4);
    ZoomOutButton = AddZoomButton(Frame81, zoomOut, 28);
    WholeShaftButton = AddZoomButton(Frame81, whole, 52);
    connect(zoomIn, &QAction::triggered, this, Guarded(this, &TForm7::ZoomInButtonClick));
    connect(zoomOut, &QAction::triggered, this, Guarded(this, &TForm7::ZoomOutButtonClick));
    connect(whole, &QAction::triggered, this, Guarded(this, &TForm7::WholeShaftButtonClick));
    // Over the frame's top left corner, so that it stays in sight over the strips too.
    ZoomNote = new QLabel(Frame81);
    ZoomNote->move(4, 4);
    ZoomNote->setStyleSheet("background: rgb(255, 250, 205); color: rgb(128, 64, 0); border: 1px solid "
                            "rgb(200, 170, 90); padding: 1px 3px; font-size: 10px;");
    ZoomNote->hide();
}

void TForm7::ShowZoom(const TViewZoom& zoom)
{
    if (zoom == Editor.Zoom) return;
    Editor.Zoom = zoom;
    ZoomNote->setText(QString("Zoom %1 : 1 - the diagrams below show the whole shaft")
                          .arg(double(zoom.Scale), 0, 'f', zoom.Scale < 10 ? 1 : 0));
    ZoomNote->adjustSize();
    ZoomNote->setVisible(IsZoomed(zoom));
    // A text that does not read is said once, not at every turn of the wheel.
    GenerateAgain(MemoLines(), Frame81->Image1->DrawingCanvas(), Editor, Analysis);
}

void TForm7::ForgetZoom()
{
    Editor.Zoom = WholeShaft();
    ZoomNote->hide();
}

// The middle of the part of the band that the frame shows.
QPoint TForm7::BandCentreInSight() const
{
    const int left = Frame81->horizontalScrollBar()->value();
    const int top = Frame81->verticalScrollBar()->value();
    const QSize sight = Frame81->viewport()->size();
    const int bottom = std::min(top + sight.height(), kBandRows);
    return {left + sight.width() / 2, std::clamp((top + bottom) / 2, 0, kBandRows - 1)};
}

void TForm7::ZoomInButtonClick() { ShowZoom(ZoomedAbout(Editor.Zoom, kZoomStep, BandCentreInSight())); }

void TForm7::ZoomOutButtonClick() { ShowZoom(ZoomedAbout(Editor.Zoom, 1 / kZoomStep, BandCentreInSight())); }

void TForm7::WholeShaftButtonClick() { ShowZoom(WholeShaft()); }

// Over the strips the wheel zooms about the band's bottom row in the pointer's column.
void TForm7::Frame81Image1ZoomWheel(QWheelEvent* event)
{
    const QPoint at = event->position().toPoint();
    ShowZoom(ZoomedAbout(Editor.Zoom, WheelFactor(event->angleDelta().y()),
                         {at.x(), std::clamp(at.y(), 0, kBandRows - 1)}));
}

bool TForm7::StartsPan(const QMouseEvent* event) const
{
    return event->button() == Qt::MiddleButton ||
           (event->button() == Qt::LeftButton && Frame81->Image1->SpaceHeld());
}

void TForm7::Frame81Image1MouseUp(QMouseEvent* event)
{
    if (event->buttons() & (Qt::MiddleButton | Qt::LeftButton)) return;
    panFrom_.reset();
}
