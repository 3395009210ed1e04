// The small sketch of the shaft elements window: the shaft seen from its +x end with the sense
// of rotation, where 0 deg lies and which way the angle turns, and how +y and +z fall on the
// planes' load arrows.
#pragma once

#include "elements/machine_elements.h"

#include <QWidget>

class QPainter;

void PaintElementFrame(QPainter& painter, const QRect& area, TShaftRotation rotation);

class TElementSketch : public QWidget {
    Q_OBJECT
public:
    explicit TElementSketch(QWidget* parent = nullptr) : QWidget(parent) {}
    void SetRotation(TShaftRotation rotation);
    TShaftRotation Rotation() const { return rotation_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TShaftRotation rotation_ = TShaftRotation::CounterClockwise;
};
