// The picture button: the pressed shift, the click, the disabled look and the empty button.
#include "widgets/image_button.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// A 10 x 10 transparent picture with one black dot at (5, 5).
QPixmap DotPicture()
{
    QPixmap picture(10, 10);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.fillRect(5, 5, 1, 1, Qt::black);
    return picture;
}

bool IsBlack(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y) == QColor(Qt::black);
}
}

TEST(ImageButton, ShiftsItsPictureOnePixelWhilePressedAndClicksOnce)
{
    ImageButton button;
    button.resize(20, 20);
    button.SetPicture(DotPicture());
    QSignalSpy clicks(&button, &QAbstractButton::clicked);

    const QImage released = button.grab().toImage();
    EXPECT_TRUE(IsBlack(released, 10, 10)) << "picture centred";

    QTest::mousePress(&button, Qt::LeftButton);
    const QImage pressed = button.grab().toImage();
    EXPECT_TRUE(IsBlack(pressed, 11, 11));
    EXPECT_FALSE(IsBlack(pressed, 10, 10));
    EXPECT_EQ(clicks.count(), 0);

    QTest::mouseRelease(&button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_TRUE(IsBlack(button.grab().toImage(), 10, 10)) << "back in place";
}

TEST(ImageButton, DrawerPictureGreysWhenDisabledAndEmptyButtonDrawsNothing)
{
    ImageButton button;
    button.resize(20, 20);
    button.SetPictureDrawer([](QPainter& painter, const QRect& area) { painter.fillRect(area, Qt::black); });
    EXPECT_TRUE(IsBlack(button.grab().toImage(), 0, 0)) << "drawer fills the whole button";

    button.setEnabled(false);
    EXPECT_FALSE(IsBlack(button.grab().toImage(), 10, 10));
    QSignalSpy clicks(&button, &QAbstractButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 0);

    button.setEnabled(true);
    button.ClearPicture();
    EXPECT_FALSE(button.HasPicture());
    const QImage empty = button.grab().toImage();
    const QColor background = button.palette().color(QPalette::Window);
    for (int y = 0; y < empty.height(); ++y)
        for (int x = 0; x < empty.width(); ++x)
            ASSERT_EQ(empty.pixelColor(x, y), background) << x << "," << y;
}
