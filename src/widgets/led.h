// An LED indicator: a round-cornered rectangle shaded from black at the top to yellow (on)
// or white (off) at the bottom.
#pragma once

#include <QWidget>

class Led : public QWidget {
    Q_OBJECT
public:
    explicit Led(QWidget* parent = nullptr);

    void SetOn(bool on);
    bool IsOn() const { return on_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool on_ = false;
};
