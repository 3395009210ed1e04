// A picture button: draws its picture one pixel right and one down while it is held down,
// and a greyed picture while disabled. Without a picture it draws nothing.
#pragma once

#include "widgets/picture.h"

#include <QAbstractButton>

class ImageButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit ImageButton(QWidget* parent = nullptr);

    void SetPicture(const QPixmap& pixmap);
    // The drawer is called with the button's whole rectangle.
    void SetPictureDrawer(PictureDrawer drawer);
    void ClearPicture();
    bool HasPicture() const { return !picture_.IsEmpty(); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // The picture as it should look in the current state, before the pressed shift.
    QPixmap StatePicture() const;

private:
    Picture picture_;
};
