// A button in a window's caption area. The platform draws the title bar itself, so the button
// sits inside the window at the top right, a fixed distance from the right edge, on every resize.
#pragma once

#include "widgets/image_button.h"

class QPainter;
class QRect;

// The raised grey face of a caption button, lit from the top left.
void DrawRaisedFace(QPainter& painter, const QRect& area);

class CaptionButton : public ImageButton {
    Q_OBJECT
public:
    // The button's left edge stays `rightMargin` pixels left of the window's right edge.
    explicit CaptionButton(QWidget* window, int rightMargin = 34);

    void SetRightMargin(int rightMargin);
    int RightMargin() const { return rightMargin_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FollowWindow();

    int rightMargin_;
};
