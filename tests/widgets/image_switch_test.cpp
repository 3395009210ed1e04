// The on/off switch: clicks toggle it and it shows the picture of its state.
#include "widgets/image_switch.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {
QPixmap Filled(const QColor& colour)
{
    QPixmap picture(20, 10);
    picture.fill(colour);
    return picture;
}
}

TEST(ImageSwitch, ClicksToggleItAndItShowsThePictureOfItsState)
{
    ImageSwitch lever;
    lever.resize(20, 10);
    lever.SetPictures(Filled(Qt::red), Filled(Qt::blue));
    QSignalSpy toggles(&lever, &QAbstractButton::toggled);
    EXPECT_FALSE(lever.IsOn());
    EXPECT_EQ(lever.grab().toImage().pixelColor(10, 5), QColor(Qt::blue));

    QTest::mouseClick(&lever, Qt::LeftButton);
    EXPECT_TRUE(lever.IsOn());
    EXPECT_EQ(lever.grab().toImage().pixelColor(10, 5), QColor(Qt::red));
    QTest::mouseClick(&lever, Qt::LeftButton);
    EXPECT_FALSE(lever.IsOn());
    ASSERT_EQ(toggles.count(), 2);
    EXPECT_TRUE(toggles.at(0).at(0).toBool());
    EXPECT_FALSE(toggles.at(1).at(0).toBool());

    lever.SetOn(true);
    EXPECT_EQ(toggles.count(), 3) << "setting the state from code raises the event as well";
}

TEST(ImageSwitch, DrawsDifferentLeversOnAndOffWithoutPicturesOfItsOwn)
{
    ImageSwitch lever;
    lever.resize(lever.sizeHint());
    const QImage off = lever.grab().toImage();
    lever.SetOn(true);
    EXPECT_NE(lever.grab().toImage(), off);
}
