// A picture button: draws its picture one pixel right and one down while it is held down,
// and a greyed picture while disabled. Without a picture it draws nothing.
#include "widgets/image_button.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

ImageButton::ImageButton(QWidget* parent) : QAbstractButton(parent)
{
    // Picture buttons must not pull the focus away from the edit fields of their window.
    setFocusPolicy(Qt::NoFocus);
}

void ImageButton::SetPicture(const QPixmap& pixmap)
{
    picture_.Set(pixmap);
    update();
}

void ImageButton::SetPictureDrawer(PictureDrawer drawer)
{
    picture_.Set(std::move(drawer));
    update();
}

void ImageButton::ClearPicture()
{
    picture_.Clear();
    update();
}

QSize ImageButton::sizeHint() const
{
    return picture_.NaturalSize(QSize(40, 40));
}

QPixmap ImageButton::StatePicture() const
{
    QPixmap picture = picture_.Render(size());
    if (isEnabled() || picture.isNull())
        return picture;
    QStyleOption option;
    option.initFrom(this);
    return style()->generatedIconPixmap(QIcon::Disabled, picture, &option);
}

void ImageButton::paintEvent(QPaintEvent*)
{
    const QPixmap picture = StatePicture();
    if (picture.isNull())
        return;
    const QSize pictureSize = picture.deviceIndependentSize().toSize();
    QPoint topLeft((width() - pictureSize.width()) / 2, (height() - pictureSize.height()) / 2);
    if (isDown())
        topLeft += QPoint(1, 1);
    QPainter(this).drawPixmap(topLeft, picture);
}
