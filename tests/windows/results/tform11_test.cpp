// The bearing-reactions panel: its six texts from the reactions, in either decimal separator,
// and values that stay readable however long they get.
#include "windows/main/window_set.h"
#include "windows/results/tform11.h"
#include "test_support.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace {

class ReactionsPanelTest : public ::testing::Test {
protected:
    void SetUp() override { CreateWindowSet(); }
    void TearDown() override { DestroyWindowSet(); }

    static QList<QLabel*> Values()
    {
        return {Form11->Label3, Form11->Label4, Form11->Label5, Form11->Label6, Form11->Label1, Form11->Label2};
    }
};

TEST(ReactionTextsTest, ReactionsKeepTheirSignAndResultantsAreTheirMagnitude)
{
    const TReactionTexts texts = ReactionTexts(300, -400, -0.004, 1234.5, "0.00");
    EXPECT_EQ(texts.RHA, "300.00 N");
    EXPECT_EQ(texts.RVA, "-400.00 N");
    EXPECT_EQ(texts.RA, "500.00 N");
    EXPECT_EQ(texts.RHB, "0.00 N");
    EXPECT_EQ(texts.RVB, "1234.50 N");
    EXPECT_EQ(texts.RB, "1234.50 N");
}

TEST_F(ReactionsPanelTest, ShowsPlaceholdersUntilFilledThenTheReactions)
{
    for (const QLabel* label : Values()) EXPECT_EQ(label->text(), "10000 N");
    EXPECT_EQ(Form11->Label3->pos(), QPoint(56, 13));
    EXPECT_EQ(Form11->Label2->pos(), QPoint(136, 86));
    EXPECT_EQ(Form11->Image1->geometry(), QRect(8, 8, 145, 97));

    Form11->FillReactions(300, -400, 120, 50);
    EXPECT_EQ(Form11->Label3->text(), "300.00 N");
    EXPECT_EQ(Form11->Label4->text(), "-400.00 N");
    EXPECT_EQ(Form11->Label5->text(), "120.00 N");
    EXPECT_EQ(Form11->Label6->text(), "50.00 N");
    EXPECT_EQ(Form11->Label1->text(), "500.00 N");
    EXPECT_EQ(Form11->Label2->text(), "130.00 N");

    DecimalSeparatorScope comma(',');
    Form11->FillReactions(300, -400, 0, 0);
    EXPECT_EQ(Form11->Label3->text(), "300,00 N");
    EXPECT_EQ(Form11->Label4->text(), "-400,00 N");
    EXPECT_EQ(Form11->Label1->text(), "500,00 N");
}

// No value may cover the formula's ink or reach past the panel's edge.
TEST_F(ReactionsPanelTest, LongValuesMoveTheRightColumnAndWidenThePanel)
{
    for (double large : {300.0, -1520.25, -1234567.89}) {
        Form11->FillReactions(large, 7654321.5, large, 0);
        const QImage formula = Form11->Image1->pixmap().toImage();
        for (const QLabel* label : Values()) {
            EXPECT_LE(label->geometry().right(), Form11->width());
            EXPECT_GE(label->width(), label->sizeHint().width());
            const QRect covered = label->geometry().translated(-Form11->Image1->pos()) & formula.rect();
            for (int y = covered.top(); y <= covered.bottom(); ++y)
                for (int x = covered.left(); x <= covered.right(); ++x)
                    ASSERT_GT(qGray(formula.pixel(x, y)), 200) << large << " at " << x << "," << y;
        }
        EXPECT_EQ(Form11->height(), 112);
    }
}

// Each value label sits on a row of the formula picture.
TEST_F(ReactionsPanelTest, FormulaRowsLineUpWithTheValues)
{
    const QImage formula = Form11->Image1->pixmap().toImage();
    for (const QLabel* label : {Form11->Label3, Form11->Label5, Form11->Label1, Form11->Label2}) {
        bool inked = false;
        for (int y = label->y() - 8; y < label->y() - 8 + label->height() && !inked; ++y)
            for (int x = 0; x < label->x() - 8 && !inked; ++x) inked = qGray(formula.pixel(x, y)) < 128;
        EXPECT_TRUE(inked) << label->y();
    }
}

} // namespace
