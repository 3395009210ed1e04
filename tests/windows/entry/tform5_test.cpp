// The eccentric-force window: the moment value and its sense in the initial-data window.
#include "windows/entry/tform2.h"
#include "windows/entry/tform5.h"
#include "windows/main/window_set.h"
#include "test_support.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class EccentricForceWindow : public ::testing::Test {
protected:
    void SetUp() override { CreateWindowSet(); }
    void TearDown() override { DestroyWindowSet(); }

    static void Convert(const QString& force, const QString& lever)
    {
        Form5->e1->setText(force);
        Form5->e2->setText(lever);
        QTest::mouseClick(Form5->BitBtn1, Qt::LeftButton);
    }
};

TEST_F(EccentricForceWindow, MomentGoesIntoTheMomentValue)
{
    Convert("1500", "40");
    EXPECT_EQ(Form2->Edit6->text(), "60000.000");
}

TEST_F(EccentricForceWindow, CaseSetsTheMomentSenseAtOnce)
{
    EXPECT_TRUE(Form5->RadioButton1->isChecked());
    EXPECT_TRUE(Form2->rb3->isChecked());
    const std::pair<QRadioButton*, bool> cases[] = {
        {Form5->RadioButton4, false},
        {Form5->RadioButton3, true},
        {Form5->RadioButton2, false},
        {Form5->RadioButton1, true},
    };
    for (const auto& [radio, clockwise] : cases) {
        QTest::mouseClick(radio, Qt::LeftButton);
        EXPECT_TRUE(radio->isChecked());
        EXPECT_EQ(Form2->rb3->isChecked(), clockwise);
        EXPECT_EQ(Form2->rb4->isChecked(), !clockwise);
    }
}

TEST_F(EccentricForceWindow, NumberThatIsNoNumberKeepsTheMoment)
{
    MessageRecorder messages;
    Form2->Edit6->setText("12");
    Convert("1500", "4O");
    EXPECT_EQ(Form2->Edit6->text(), "12");
    EXPECT_EQ(messages.texts, QStringList({"'4O' is not a valid floating point value"}));
}

} // namespace
