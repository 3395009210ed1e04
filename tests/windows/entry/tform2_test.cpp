// The initial-data window step by step: what is enabled, which LED is lit, where the focus
// goes, which buttons show a glyph, and what each "Add" stores and draws.
#include "tform2_workflow.h"

#include "analysis/load_entry.h"
#include "windows/results/tform3.h"
#include "widgets/led.h"

#include <QSet>
#include <QTest>

namespace {

struct TStepView {
    QSet<QWidget*> enabled;
    Led* lit;
    QWidget* focus;
    QSet<QPushButton*> glyphs;
};

QList<QWidget*> StepControls()
{
    return {Form2->Edit1, Form2->Edit2, Form2->Edit3, Form2->Edit4, Form2->Edit5, Form2->Edit6,
            Form2->rb1, Form2->rb2, Form2->rb3, Form2->rb4, Form2->BitBtn1, Form2->BitBtn2,
            Form2->BitBtn3, Form2->BitBtn4, Form2->BitBtn5, Form2->BitBtn6, Form2->BitBtn7,
            Form2->BitBtn8, Form2->b1, Form2->b2};
}

void ExpectStep(const TStepView& step, const char* name)
{
    SCOPED_TRACE(name);
    for (QWidget* control : StepControls())
        EXPECT_EQ(control->isEnabled(), step.enabled.contains(control)) << control->objectName().toStdString();
    for (Led* led : {Form2->Led1, Form2->Led2, Form2->Led3, Form2->Led4}) EXPECT_EQ(led->IsOn(), led == step.lit);
    EXPECT_EQ(Form2->focusWidget(), step.focus);
    for (QPushButton* button : {Form2->BitBtn1, Form2->BitBtn2, Form2->BitBtn3, Form2->BitBtn4, Form2->BitBtn5,
                                Form2->BitBtn6, Form2->BitBtn7})
        EXPECT_EQ(!button->icon().isNull(), step.glyphs.contains(button)) << button->text().toStdString();
}

void NameControls()
{
    const QStringList names{"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "rb1", "rb2", "rb3", "rb4",
                            "BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4", "BitBtn5", "BitBtn6", "BitBtn7",
                            "BitBtn8", "b1", "b2"};
    const QList<QWidget*> controls = StepControls();
    for (int i = 0; i < controls.size(); ++i) controls[i]->setObjectName(names[i]);
}

TStepView LengthStep()
{
    return {{Form2->Edit1, Form2->BitBtn1}, Form2->Led1, Form2->Edit1, {Form2->BitBtn1}};
}

TStepView ForcesStep()
{
    return {{Form2->Edit3, Form2->Edit4, Form2->rb1, Form2->rb2, Form2->BitBtn4, Form2->BitBtn5, Form2->b1},
            Form2->Led3, Form2->Edit3, {Form2->BitBtn4, Form2->BitBtn5}};
}

} // namespace

TEST_F(EntryTest, StepsOpenOneAfterTheOtherUpToCalculate)
{
    NameControls();
    Form2->show();
    StartHorizontal();
    ExpectStep(LengthStep(), "length");

    ApplyLength("100");
    ExpectStep({{Form2->Edit2, Form2->BitBtn2, Form2->BitBtn3}, Form2->Led2, Form2->Edit2,
                {Form2->BitBtn2, Form2->BitBtn3}}, "bearings");
    AddBearingAt("0");
    EXPECT_EQ(Form2->Edit2->text(), "0");
    EXPECT_EQ(Form2->focusWidget(), Form2->Edit2);

    Form2->BitBtn3->click();
    ExpectStep(ForcesStep(), "forces");

    Form2->BitBtn5->click();
    ExpectStep({{Form2->Edit5, Form2->Edit6, Form2->rb3, Form2->rb4, Form2->BitBtn6, Form2->BitBtn7, Form2->b2},
                Form2->Led4, Form2->Edit5, {Form2->BitBtn6, Form2->BitBtn7}}, "moments");

    Form2->BitBtn7->click();
    ExpectStep({{Form2->Edit5, Form2->Edit6, Form2->BitBtn8}, Form2->Led4, Form2->n, {}}, "calculate");
}

TEST_F(EntryTest, ThePlaneResetsReopenTheirStepWithEmptiedFields)
{
    NameControls();
    EnterShaft("100", {"0", "100"});
    AddForceAt("50", "1000", false);
    Calculate();

    StartVertical();
    ExpectStep(ForcesStep(), "vertical reset");
    for (QLineEdit* edit : {Form2->Edit3, Form2->Edit4, Form2->Edit5, Form2->Edit6}) EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_EQ(Form2->Edit1->text(), "100");
    EXPECT_EQ(Analysis.Reactions.size(), 2u);

    // A new shaft in the middle of an entry: the glyphs of the abandoned step go too.
    Form2->BitBtn5->click();
    StartHorizontal();
    ExpectStep(LengthStep(), "horizontal reset");
    for (QLineEdit* edit : {Form2->Edit1, Form2->Edit2, Form2->Edit3}) EXPECT_TRUE(edit->text().isEmpty());
}

TEST_F(EntryTest, BearingsAreNamedInOrderAndEachPositionIsKeptOnce)
{
    MessageRecorder messages;
    EnterShaft("100", {"0", "0", "100"});
    EXPECT_TRUE(messages.texts.isEmpty()); // the third bearing carries load like the first two
    ASSERT_EQ(Analysis.Reactions.size(), 3u);
    EXPECT_EQ(Analysis.Reactions[1].Name, "RHB");
    EXPECT_EQ(Analysis.Reactions[2].Name, "RHC");
    EXPECT_EQ(Analysis.ReactionSumText, "RHA+RHB+RHC");
    EXPECT_EQ(Analysis.BearingCount, 3);

    AddForceAt("100", "10", true);  // at a bearing: no new point
    AddForceAt("40", "20", false);
    Form2->BitBtn5->click();
    AddMomentAt("40", "300", false); // at a force
    ASSERT_EQ(Analysis.PointCount, 3);
    EXPECT_EQ(Analysis.Points[1].Position, 100);
    EXPECT_EQ(Analysis.Points[1].Bearing, 1);
    EXPECT_EQ(Analysis.Points[2].Bearing, 0);

    ASSERT_EQ(Analysis.Forces.size(), 2u);
    EXPECT_EQ(Analysis.Forces[0].Name, "FH1");
    EXPECT_EQ(Analysis.Forces[0].Direction, 1);
    EXPECT_EQ(Analysis.Forces[1].Name, "FH2");
    EXPECT_EQ(Analysis.Forces[1].Direction, 0);
    ASSERT_EQ(Analysis.Moments.size(), 1u);
    EXPECT_EQ(Analysis.Moments[0].Name, "MH1");
    EXPECT_EQ(Analysis.Moments[0].Kind, 'm');
    EXPECT_EQ(Analysis.Moments[0].Value, 300);
    EXPECT_EQ(Analysis.Moments[0].Direction, 0);
}

TEST_F(EntryTest, EveryAddDrawsOnThePageAtOnce)
{
    StartHorizontal();
    ApplyLength("100");
    const QImage& page = Form3->Page();
    EXPECT_EQ(page.pixelColor(300, 65), QColor(Qt::black)); // the shaft axis

    AddBearingAt("100");
    EXPECT_EQ(page.pixelColor(550, 100), QColor(Qt::black)); // the reaction arrow under the axis
    EXPECT_EQ(page.pixelColor(300, 140), QColor(Qt::black)); // the dimension chain
    Form2->BitBtn3->click();
    AddForceAt("50", "1000", false);
    EXPECT_EQ(page.pixelColor(300, 30), QColor(Qt::black)); // pointing down from above
    EXPECT_EQ(page.pixelColor(300, 100), QColor(Qt::white));
}

TEST_F(EntryTest, ARefusedAddStoresAndDrawsNothing)
{
    MessageRecorder messages;
    EnterShaft("100", {"0", "100"});
    AddForceAt("50", "1000", true);
    const TAnalysisState before = Analysis;
    const QImage page = Form3->Page();

    AddForceAt("60", "12x", true);
    Analysis.ForceCount = 255;
    AddForceAt("70", "5", true);
    Analysis.ForceCount = 1;
    Analysis.PointCount = 255;
    AddForceAt("80", "5", true);

    EXPECT_EQ(messages.texts, QStringList({"'12x' is not a valid floating point value", kTooManyForces, kTooManyPoints}));
    EXPECT_EQ(Analysis.Forces.size(), before.Forces.size());
    EXPECT_EQ(Analysis.Points.size(), before.Points.size());
    EXPECT_EQ(Form3->Page(), page);
}

TEST_F(EntryTest, WithoutTheGlyphFilesTheButtonsWorkWithoutPictures)
{
    QDir::setCurrent(QDir::tempPath());
    StartHorizontal();
    ApplyLength("100");
    EXPECT_TRUE(Form2->BitBtn1->icon().isNull());
    EXPECT_TRUE(Form2->BitBtn2->icon().isNull());
    AddBearingAt("0");
    EXPECT_EQ(Analysis.BearingCount, 1);
}

// The entry typed as a user types it: Enter presses the step's button, a refused length leaves
// its step open, and after each "Add" the next position replaces the last ("20" then "80" must
// not give 2080). A position off the shaft is refused without a trace on the page, and a third
// bearing is kept with a word that it carries no load.
TEST_F(EntryTest, TheKeyboardAloneEntersAPlane)
{
    MessageRecorder messages;
    StartHorizontal();
    const auto type = [](QLineEdit* edit, const QString& text) {
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    };
    type(Form2->Edit1, "0");
    EXPECT_TRUE(Form2->Edit1->isEnabled());
    EXPECT_EQ(Analysis.ShaftLength, 0);
    Form2->Edit1->selectAll();
    type(Form2->Edit1, "100");
    EXPECT_TRUE(Form2->Edit2->isEnabled());

    type(Form2->Edit2, "20");
    EXPECT_EQ(Form2->Edit2->selectedText(), "20");
    type(Form2->Edit2, "80");
    const QImage page = Form3->Page();
    type(Form2->Edit2, "120");
    EXPECT_EQ(Form3->Page(), page);
    Form2->Edit2->selectAll();
    type(Form2->Edit2, "50");
    ASSERT_EQ(Analysis.Reactions.size(), 3u);
    EXPECT_EQ(Analysis.Reactions[1].Position, 80);
    EXPECT_EQ(Analysis.Reactions[2].Position, 50);
    EXPECT_EQ(Analysis.PointCount, 3);

    Form2->BitBtn3->click();
    QTest::keyClicks(Form2->Edit3, "40");
    type(Form2->Edit4, "1000");
    EXPECT_EQ(Form2->Edit3->selectedText(), "40");
    Form2->BitBtn5->click();
    QTest::keyClicks(Form2->Edit5, "60");
    type(Form2->Edit6, "500");
    EXPECT_EQ(Form2->Edit5->selectedText(), "60");
    ASSERT_EQ(Analysis.Forces.size(), 1u);
    ASSERT_EQ(Analysis.Moments.size(), 1u);
    EXPECT_EQ(Analysis.Moments[0].Position, 60);

    Form2->BitBtn7->click();
    type(Form2->Edit6, "7"); // the moments step is closed: Enter adds nothing
    EXPECT_EQ(Analysis.Moments.size(), 1u);
    EXPECT_EQ(messages.texts, QStringList({kShaftLengthMissing, kPositionOutside}));
}
