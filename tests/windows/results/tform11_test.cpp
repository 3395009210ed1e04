// The bearing-reactions panel: the texts of each bearing from its reactions, in either decimal
// separator, a row for each of up to eight bearings, and values that stay readable however long
// they get.
#include "windows/main/window_set.h"
#include "windows/results/tform11.h"
#include "test_support.h"

#include <QLabel>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ReactionsPanelTest : public ::testing::Test {
protected:
    void SetUp() override { CreateWindowSet(); }
    void TearDown() override { DestroyWindowSet(); }

    static QList<QLabel*> Shown()
    {
        QList<QLabel*> labels;
        for (int i = 0; i < Form11->ShownBearings(); ++i)
            labels << Form11->HorzLabels[size_t(i)] << Form11->VertLabels[size_t(i)] << Form11->ResultantLabels[size_t(i)];
        return labels;
    }

    // No value may cover the formula's ink or reach past the panel's edge.
    static void ExpectClearOfTheFormula(const QString& what)
    {
        const QImage formula = Form11->Image1->pixmap().toImage();
        for (const QLabel* label : Shown()) {
            EXPECT_LE(label->geometry().right(), Form11->width()) << what.toStdString();
            EXPECT_LE(label->geometry().bottom(), Form11->height()) << what.toStdString();
            EXPECT_GE(label->width(), label->sizeHint().width());
            const QRect covered = label->geometry().translated(-Form11->Image1->pos()) & formula.rect();
            for (int y = covered.top(); y <= covered.bottom(); ++y)
                for (int x = covered.left(); x <= covered.right(); ++x)
                    ASSERT_GT(qGray(formula.pixel(x, y)), 200) << what.toStdString() << " at " << x << "," << y;
        }
    }

    // The left-hand side of a value is inked on the picture in the value's row.
    static bool InkedLeftOf(const QLabel* label)
    {
        const QImage formula = Form11->Image1->pixmap().toImage();
        const QPoint origin = Form11->Image1->pos();
        for (int y = label->y() - origin.y(); y < label->geometry().bottom() - origin.y(); ++y)
            for (int x = label->x() - origin.x() - 12; x < label->x() - origin.x(); ++x)
                if (qGray(formula.pixel(x, y)) < 128) return true;
        return false;
    }
};

TEST(ReactionTextsTest, ReactionsKeepTheirSignAndTheResultantIsTheirMagnitude)
{
    const TReactionTexts a = ReactionTexts(300, -400, "0.00");
    EXPECT_EQ(a.Horizontal, "300.00 N");
    EXPECT_EQ(a.Vertical, "-400.00 N");
    EXPECT_EQ(a.Resultant, "500.00 N");
    const TReactionTexts b = ReactionTexts(-0.004, 1234.5, "0.00");
    EXPECT_EQ(b.Horizontal, "0.00 N");
    EXPECT_EQ(b.Resultant, "1234.50 N");
}

TEST_F(ReactionsPanelTest, ShowsTwoBearingsUntilFilledThenARowForEachBearing)
{
    EXPECT_EQ(Form11->ShownBearings(), 2);
    for (const QLabel* label : Shown()) EXPECT_EQ(label->text(), "10000 N");
    EXPECT_TRUE(Form11->HorzLabels[2]->isHidden());

    TBearingReactions horizontal{300, 120, -30, 0, 5, 6, 7, -1520.25};
    TBearingReactions vertical{-400, 50, 40, 0, 12, 8, 24, 0};
    Form11->FillReactions(horizontal, vertical, 8);
    EXPECT_EQ(Form11->Label3->text(), "300.00 N");
    EXPECT_EQ(Form11->Label4->text(), "-400.00 N");
    EXPECT_EQ(Form11->Label1->text(), "500.00 N");
    EXPECT_EQ(Form11->Label2->text(), "130.00 N");
    EXPECT_EQ(Form11->ResultantLabels[2]->text(), "50.00 N");
    EXPECT_EQ(Form11->ResultantLabels[6]->text(), "25.00 N");
    EXPECT_EQ(Form11->HorzLabels[7]->text(), "-1520.25 N");
    for (const QLabel* label : Shown()) {
        EXPECT_FALSE(label->isHidden());
        EXPECT_TRUE(InkedLeftOf(label)) << label->text().toStdString();
    }
    // The rows stack downwards in the order of the bearings, each column straight.
    for (size_t i = 1; i < 8; ++i) {
        EXPECT_GT(Form11->HorzLabels[i]->y(), Form11->HorzLabels[i - 1]->geometry().bottom() - 2);
        EXPECT_EQ(Form11->VertLabels[i]->x(), Form11->VertLabels[0]->x());
        EXPECT_EQ(Form11->ResultantLabels[i]->y(), Form11->HorzLabels[i]->y());
    }
    ExpectClearOfTheFormula("eight bearings");
    // Eight rows fit the smallest screen the program runs on, below the panel's place.
    EXPECT_LT(Form11->height(), 1024 - 436 - 40);

    const int eightHigh = Form11->height();
    DecimalSeparatorScope comma(',');
    Form11->FillReactions(horizontal, vertical, 3);
    EXPECT_EQ(Form11->Label3->text(), "300,00 N");
    EXPECT_TRUE(Form11->HorzLabels[3]->isHidden());
    EXPECT_LT(Form11->height(), eightHigh);
    ExpectClearOfTheFormula("three bearings");
}

TEST_F(ReactionsPanelTest, LongValuesWidenTheirColumnAndThePanel)
{
    for (double large : {300.0, -1234567.89, -9876543210.5}) {
        TBearingReactions horizontal{large, 0, large}, vertical{7654321.5, large, 0};
        Form11->FillReactions(horizontal, vertical, 3);
        ExpectClearOfTheFormula(QString::number(large));
    }
}

} // namespace
