// The LED's shading when on and off, and its rounded corners.
#include "widgets/led.h"

#include <QImage>
#include <gtest/gtest.h>

TEST(Led, ShadesToYellowWhenOnAndToWhiteWhenOffWithRoundedCorners)
{
    Led led;
    led.resize(20, 20);
    EXPECT_FALSE(led.IsOn());

    const QColor background = led.palette().color(QPalette::Window);
    for (bool on : {true, false}) {
        led.SetOn(on);
        EXPECT_EQ(led.IsOn(), on);
        const QImage image = led.grab().toImage();
        const QColor bottom = image.pixelColor(10, 18);
        EXPECT_GT(bottom.red(), 200) << on;
        EXPECT_GT(bottom.green(), 200) << on;
        if (on)
            EXPECT_LT(bottom.blue(), 40);
        else
            EXPECT_GT(bottom.blue(), 200);
        EXPECT_LT(image.pixelColor(10, 1).value(), 40) << "black at the top";
        EXPECT_EQ(image.pixelColor(0, 0), background) << "corner cut away";
        EXPECT_EQ(image.pixelColor(19, 19), background) << "corner cut away";
    }
}
