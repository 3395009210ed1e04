// An on/off picture switch: a checkable button showing one picture when on and another when off.
// Without pictures of its own it draws a lever switch.
#pragma once

#include "widgets/picture.h"

#include <QAbstractButton>

class ImageSwitch : public QAbstractButton {
    Q_OBJECT
public:
    explicit ImageSwitch(QWidget* parent = nullptr);

    void SetPictures(const QPixmap& on, const QPixmap& off);
    void SetPictureDrawers(PictureDrawer on, PictureDrawer off);

    void SetOn(bool on) { setChecked(on); }
    bool IsOn() const { return isChecked(); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Picture on_;
    Picture off_;
};
