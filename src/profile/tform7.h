// TForm7: the 2D profile editor. Below its drawing band it shows the load schemes and moment
// diagrams of both planes, and it lists the analysed positions.
#pragma once

#include "analysis/load_model.h"
#include "canvas/canvas.h"
#include "widgets/skinned_window.h"

#include <QImage>
#include <QScrollArea>

class QComboBox;
class QLabel;

// The editor's drawing image, shown 1:1, with the canvas that draws on it.
class TDrawingImage : public QWidget {
    Q_OBJECT
public:
    explicit TDrawingImage(QWidget* parent);

    // Asking for the canvas schedules a repaint, so whatever is drawn through it shows.
    Canvas& DrawingCanvas();
    const QImage& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    Canvas canvas_; // draws on picture_
};

// The scrolling frame around the drawing image.
class TFrame8 : public QScrollArea {
    Q_OBJECT
public:
    explicit TFrame8(QWidget* parent);

    TDrawingImage* Image1;
};

class TForm7 : public SkinnedWindow {
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);

    TFrame8* Frame81;
    QLabel* Label1;
    QComboBox* c1; // the analysed positions

    // Copies a calculated plane's load scheme and moment diagram from the page below the
    // drawing band; the vertical plane also labels both planes' strips.
    void ReceiveDiagrams(const Canvas& page, bool horizontal);
    // Lists the positions, in their order, in place of what the list held; the first is selected.
    void ListPositions(const TPuncte& points);
};

extern TForm7* Form7;
