// Leaving the entry windows without applying anything, and a refused number pointing at its
// field.
#include "tform2_workflow.h"

#include "analysis/load_conversion.h"
#include "analysis/load_entry.h"
#include "document/design_journal.h"
#include "widgets/image_button.h"
#include "windows/entry/tform4.h"
#include "windows/entry/tform5.h"
#include "windows/results/tform3.h"

#include <QTest>

namespace {

void ExpectPointsAt(QWidget* window, QLineEdit* field, const QString& text)
{
    EXPECT_EQ(window->focusWidget(), field) << text.toStdString();
    EXPECT_EQ(field->selectedText(), text);
}

} // namespace

TEST_F(EntryTest, EscapeAndTheCloseBoxLeaveWithStoredInputsAsTheyWere)
{
    EnterShaft("400", {"0", "400"});
    AddForceAt("100", "2000", false);
    Form2->Edit3->setText("150");
    QTest::keyClick(Form2->Edit3, Qt::Key_Escape);
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_EQ(Analysis.Forces.size(), 1u);
    EXPECT_EQ(DesignJournal.Horizontal.Entries.size(), 3u);
    EXPECT_EQ(Form2->Edit3->text(), "150");
    // The page's menu brings the entry back where it stood.
    ASSERT_TRUE(Form3->InitialData1->isEnabled());
    Form3->InitialData1->trigger();
    EXPECT_TRUE(Form2->isVisible());
    EXPECT_FALSE(Form3->InitialData1->isEnabled());
    Form2->CloseButton->click();
    EXPECT_FALSE(Form2->isVisible());

    Form4->show();
    Form4->e1->setText("100");
    Form4->e2->setText("2");
    Form4->e3->setText("300");
    Form4->BitBtn1->click();
    Form4->e1->setText("0");
    QTest::keyClick(Form4->e1, Qt::Key_Escape);
    EXPECT_FALSE(Form4->isVisible());
    EXPECT_EQ(Form2->Edit3->text(), "250");
    EXPECT_EQ(Form2->Edit4->text(), "600");

    Form5->show();
    Form5->e1->setText("1500");
    Form5->e2->setText("40");
    Form5->BitBtn1->click();
    Form5->e2->setText("50");
    QTest::keyClick(Form5->e2, Qt::Key_Escape);
    EXPECT_FALSE(Form5->isVisible());
    EXPECT_EQ(Form2->Edit6->text(), "60000.000");
}

TEST_F(EntryTest, ARefusedNumberPointsAtItsField)
{
    MessageRecorder messages;
    StartHorizontal();
    ApplyLength("0");
    ExpectPointsAt(Form2, Form2->Edit1, "0");
    ApplyLength("400");
    AddBearingAt("0");
    Form2->BitBtn3->click();
    AddForceAt("100", "2OOO", false);
    ExpectPointsAt(Form2, Form2->Edit4, "2OOO");
    AddForceAt("500", "2000", false);
    ExpectPointsAt(Form2, Form2->Edit3, "500");
    EXPECT_EQ(messages.texts, QStringList({kShaftLengthMissing, "'2OOO' is not a valid floating point value",
                                           kPositionOutside}));
    EXPECT_TRUE(Analysis.Forces.empty());

    Form4->show();
    Form4->rb4->click();
    Form4->e1->setText("10");
    Form4->e2->setText("2");
    Form4->e3->setText("2O");
    Form4->e4->setText("60");
    Form4->BitBtn1->click();
    ExpectPointsAt(Form4, Form4->e3, "2O");
    Form4->e3->setText("20");
    Form4->e4->clear();
    Form4->BitBtn1->click();
    EXPECT_EQ(Form4->focusWidget(), Form4->e4);

    Form5->show();
    Form5->e1->setText("1500");
    Form5->e2->setText("4O");
    Form5->BitBtn1->click();
    ExpectPointsAt(Form5, Form5->e2, "4O");
    EXPECT_EQ(messages.texts.mid(3), QStringList({kWrongData, kMissingData, "'4O' is not a valid floating point value"}));
}
