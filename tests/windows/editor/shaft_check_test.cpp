// The "Shaft check" window pressed through its buttons: a uniform shaft entered through the load
// windows and drawn in the editor shows the closed-form deflection, follows a new E, a tighter
// limit, elastic bearings and a thicker drawing, and gives the critical speed with a mass added in
// its table.
#include "../entry/tform2_workflow.h"

#include "common/number_text.h"
#include "document/design_file.h"
#include "windows/editor/deflection_plot.h"
#include "windows/editor/deflection_tab.h"
#include "windows/editor/speed_tab.h"
#include "windows/editor/tform13.h"
#include "windows/editor/tform7.h"
#include "windows/main/design_windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <cmath>
#include <numbers>

namespace {

const QStringList Uniform(const QString& radius)
{
    return {"line 0/0/0/" + radius + "/0/", "line 0/" + radius + "/300/" + radius + "/0/",
            "line 300/" + radius + "/300/0/0/"};
}

// F L^3 / (48 E I) for 40 mm over 300 mm.
long double CentralDeflection(long double force, long double modulus, long double diameter = 40)
{
    return force * 27e6L / (48 * modulus * std::numbers::pi_v<long double> * std::pow(diameter, 4) / 64);
}

class ShaftCheckWindowTest : public EntryTest {
protected:
    // 1000 N down at the middle in the horizontal plane, 2000 N up in the vertical one.
    void SetUp() override
    {
        EntryTest::SetUp();
        CalculateMiddleLoadsInBothPlanes();
        Click(Form6->BitBtn4);
        Form7->SetMemoLines(Uniform("20"));
        Click(Form7->BitBtn4);
        Click(Form7->VerificationButton);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Window()));
    }

    static void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    static TForm13* Window() { return &Form7->VerificationWindow(); }
    static QTableWidget* Table() { return Window()->DeflectionTab->Table; }
    static QString Cell(int row, int column) { return Table()->item(row, column)->text(); }
    static QColor RowPixel(int row)
    {
        const QRect cell = Table()->visualItemRect(Table()->item(row, 1));
        return Table()->viewport()->grab().toImage().pixelColor(cell.left() + 3, cell.center().y());
    }
    static void Type(QLineEdit* field, const QString& text)
    {
        field->clear();
        QTest::keyClicks(field, text);
    }

    MessageRecorder messages;
};

TEST_F(ShaftCheckWindowTest, DeflectionFollowsTheInputsAndTheDrawing)
{
    ASSERT_EQ(Window()->Tabs->count(), 5); // strength, deflection, speed, fatigue, what to change
    EXPECT_EQ(Window()->Tabs->tabText(1), "Deflection");
    Window()->Tabs->setCurrentIndex(1);
    ASSERT_EQ(Table()->rowCount(), 4);
    const long double y = CentralDeflection(1000, 210000);
    EXPECT_EQ(Cell(2, 0), "Deflection at the load, span A-B");
    EXPECT_EQ(Cell(2, 2), FormatFloat("0.0000", -y));
    EXPECT_EQ(Cell(2, 3), FormatFloat("0.0000", 2 * y));
    EXPECT_EQ(Cell(2, 4), FormatFloat("0.0000", std::sqrt(5.0L) * y));
    EXPECT_EQ(Cell(2, 5), "0.0900");
    EXPECT_EQ(Cell(3, 1), "150.00");
    EXPECT_NE(RowPixel(2), kFailingColor);
    EXPECT_TRUE(Window()->DeflectionTab->Plot->Content().has_value());

    // Half the modulus doubles the deflection; a limit of 0.0001 * 300 = 0.03 mm turns the row red.
    Type(Window()->DeflectionTab->ModulusEdit, "105000");
    Type(Window()->DeflectionTab->DeflectionRatioEdit, "0.0001");
    Click(Window()->DeflectionTab->ApplyButton);
    EXPECT_EQ(Cell(2, 4), FormatFloat("0.0000", std::sqrt(5.0L) * CentralDeflection(1000, 105000)));
    EXPECT_EQ(RowPixel(2), kFailingColor);

    // A field that does not read stores nothing.
    Type(Window()->DeflectionTab->ModulusEdit, "abc");
    Click(Window()->DeflectionTab->ApplyButton);
    EXPECT_EQ(messages.texts, QStringList("'abc' is not a valid floating point value"));
    EXPECT_EQ(double(Window()->CheckInputs().Modulus), 105000);
    // Nor does one beyond physics, which once reached the table as 24,000 digits.
    Type(Window()->DeflectionTab->ModulusEdit, "1e-4000");
    Click(Window()->DeflectionTab->ApplyButton);
    EXPECT_EQ(messages.texts.value(1), "E must be from 1000 to 1000000 MPa, not 1E-4000");
    EXPECT_EQ(double(Window()->CheckInputs().Modulus), 105000);

    // Generate over a 50 mm shaft: the open window follows the drawing.
    Form7->SetMemoLines(Uniform("25"));
    Click(Form7->BitBtn4);
    EXPECT_EQ(Cell(2, 4), FormatFloat("0.0000", std::sqrt(5.0L) * CentralDeflection(1000, 105000, 50)));

    // A gap in the outline: said in the window, nothing in the table.
    Form7->SetMemoLines({"line 0/20/100/20/0/", "line 120/20/300/20/0/"});
    Click(Form7->BitBtn4);
    EXPECT_EQ(Table()->rowCount(), 0);
    EXPECT_EQ(Window()->DeflectionTab->ProblemLabel->text(), "The outline has a gap from x = 100 to 120 mm");
    EXPECT_EQ(messages.texts.size(), 2);
}

// Bearings of 1E5 N/mm typed on the deflection page: each sits its reaction / k into its bearing,
// 500 N / k = 0.005 mm in the horizontal plane, and the critical speed drops; emptied, they are
// rigid again.
TEST_F(ShaftCheckWindowTest, BearingStiffnessTypedMovesTheDeflectionAndTheCriticalSpeed)
{
    Window()->Tabs->setCurrentIndex(1);
    const QString rigidSpeed = Window()->SpeedTab->CriticalSpeedLabel->text();
    const long double y = CentralDeflection(1000, 210000), giving = 500 / 1e5L;
    for (QLineEdit* field : Window()->DeflectionTab->StiffnessEdits) Type(field, "1e5");
    Click(Window()->DeflectionTab->ApplyButton);
    EXPECT_EQ(Cell(2, 2), FormatFloat("0.0000", -(y + giving)));
    EXPECT_EQ(Cell(2, 3), FormatFloat("0.0000", 2 * (y + giving)));
    EXPECT_NE(Window()->SpeedTab->CriticalSpeedLabel->text(), rigidSpeed);
    EXPECT_EQ(Window()->SpeedTab->SupportsLabel->text(), "The shaft with its own mass and these masses. Bearings on "
                                                         "springs: A 100000 N/mm, B 100000 N/mm (entered on the Deflection page).");
    EXPECT_EQ(double(CaptureDesign().Check.Fatigue.Bearings[1].Stiffness), 1e5);

    for (QLineEdit* field : Window()->DeflectionTab->StiffnessEdits) field->clear();
    Click(Window()->DeflectionTab->ApplyButton);
    EXPECT_EQ(Cell(2, 2), FormatFloat("0.0000", -y));
    EXPECT_EQ(Window()->SpeedTab->CriticalSpeedLabel->text(), rigidSpeed);
    EXPECT_EQ(Window()->DeflectionTab->StiffnessEdits[0]->placeholderText(), "rigid");
}

TEST_F(ShaftCheckWindowTest, CriticalSpeedWithAMassAndTheRatioToTheOperatingSpeed)
{
    Window()->Tabs->setCurrentIndex(2);
    TSpeedTab* tab = Window()->SpeedTab;
    // (pi / L)^2 sqrt(E I / (rho A)) = 5672 rad/s, 54164 rpm for 40 mm over 300 mm.
    const QString bare = tab->CriticalSpeedLabel->text();
    EXPECT_EQ(bare.left(29), "First critical speed: n_cr = ");
    const long double rpm = StrToFloat(bare.mid(29).section(' ', 0, 0));
    const long double exact = std::pow(std::numbers::pi_v<long double> / 300, 2) * std::sqrt(210000 * 1600 / (7850e-12L * 16)) *
                              60 / (2 * std::numbers::pi_v<long double>);
    EXPECT_NEAR(double(rpm / exact), 1, 0.005);
    EXPECT_EQ(tab->RatioLabel->text(), "Enter the operating speed to compare it with n_cr");

    Click(tab->AddMassButton);
    tab->MassTable->item(0, 0)->setText("150");
    tab->MassTable->item(0, 1)->setText("10");
    Click(tab->ApplyButton);
    const long double loaded = StrToFloat(tab->CriticalSpeedLabel->text().mid(29).section(' ', 0, 0));
    EXPECT_LT(loaded, rpm / 2); // 10 kg is more than three times the shaft's own 2.96 kg
    EXPECT_TRUE(tab->RatioLabel->styleSheet().isEmpty());
    Type(tab->SpeedEdit, FloatToStr(loaded));
    Click(tab->ApplyButton);
    EXPECT_EQ(tab->RatioLabel->text(), "n / n_cr = 1.000: within 0.7 to 1.3 of the critical speed");
    EXPECT_FALSE(tab->RatioLabel->styleSheet().isEmpty());
    EXPECT_EQ(CaptureDesign().Check.Masses, std::vector<TMountedMass>({{150, 10}}));

    // Opened again, the design's inputs wait for the new editor's check window, made when it is
    // first shown, and then fill its fields.
    const TDesign design = CaptureDesign();
    OpenDesignDocument(DesignToJson(design));
    EXPECT_EQ(CaptureDesign().Check, design.Check);
    Click(Form7->VerificationButton);
    ASSERT_EQ(Window()->SpeedTab->MassTable->rowCount(), 1);
    EXPECT_EQ(Window()->SpeedTab->MassTable->item(0, 1)->text(), "10");
    EXPECT_EQ(Window()->CheckInputs(), design.Check);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

} // namespace
