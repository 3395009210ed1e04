// The track bar's tick labels: placed beside their ticks, drawn, and out of the slider's way.
#include "widgets/track_bar.h"

#include <QImage>
#include <QTest>
#include <climits>
#include <gtest/gtest.h>

namespace {
// Whether any pixel of the box is much darker than the background.
bool HasInk(const QImage& image, const QRect& box, const QColor& background)
{
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (image.pixelColor(x, y).value() + 80 < background.value())
                return true;
    return false;
}
}

TEST(TrackBar, WritesALabelBesideEveryLabelledTickBelowTheSlider)
{
    TrackBar bar(Qt::Horizontal);
    bar.setRange(90, 360);
    bar.setTickInterval(90);
    bar.setTickPosition(QSlider::TicksBelow);
    bar.setValue(360);
    bar.SetLabelInterval(90);
    bar.resize(150, 33 + bar.fontMetrics().height());
    ASSERT_EQ(bar.TickLabels().keys(), (QList<int>{90, 180, 270, 360}));
    EXPECT_EQ(bar.TickLabels().value(270), "270");

    const QImage image = bar.grab().toImage();
    const QColor background = bar.palette().color(QPalette::Window);
    int previousX = -1;
    for (int value : bar.TickLabels().keys()) {
        const QPoint centre = bar.LabelCentre(value);
        EXPECT_GT(centre.x(), previousX) << value;
        EXPECT_GT(centre.y(), 33 - 4) << "in the band under the slider";
        EXPECT_TRUE(HasInk(image, QRect(centre - QPoint(3, 3), QSize(7, 7)), background)) << value;
        previousX = centre.x();
    }
    EXPECT_FALSE(HasInk(image, QRect(bar.LabelCentre(90).x() + 14, bar.LabelCentre(90).y() - 2, 4, 5), background))
        << "blank between two labels";

    // A click on the groove beside the handle still pages the value.
    QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(bar.LabelCentre(90).x(), 10));
    EXPECT_LT(bar.value(), 360);

    bar.SetLabelInterval(0);
    EXPECT_TRUE(bar.TickLabels().isEmpty());
}

TEST(TrackBar, LabelsARangeThatEndsAtTheLargestInteger)
{
    TrackBar bar(Qt::Horizontal);
    bar.setRange(INT_MAX - 25, INT_MAX);
    bar.SetLabelInterval(10);
    EXPECT_EQ(bar.TickLabels().keys(), (QList<int>{INT_MAX - 25, INT_MAX - 15, INT_MAX - 5}));
}

TEST(TrackBar, PutsLabelsRightOfAVerticalBarWithTheMinimumAtTheBottom)
{
    TrackBar bar(Qt::Vertical);
    bar.setRange(0, 40);
    bar.setTickPosition(QSlider::TicksBelow);
    bar.SetTickLabels({{0, "min"}, {40, "max"}});
    bar.resize(bar.sizeHint().width(), 121);
    EXPECT_GT(bar.LabelCentre(0).y(), bar.LabelCentre(40).y());
    EXPECT_GT(bar.LabelCentre(0).x(), bar.width() / 2);
}
