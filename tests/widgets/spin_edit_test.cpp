// The spin editor with typing switched off: keys are refused, the arrows still step.
#include "widgets/spin_edit.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class ArrowSpinEdit : public SpinEdit {
public:
    QPoint ArrowCentre(QStyle::SubControl arrow)
    {
        QStyleOptionSpinBox option;
        initStyleOption(&option);
        return style()->subControlRect(QStyle::CC_SpinBox, &option, arrow, this).center();
    }
};
}

TEST(SpinEdit, WithTypingDisabledRefusesKeysButArrowClicksStep)
{
    ArrowSpinEdit spin;
    spin.setRange(3, 100);
    spin.setValue(12);
    spin.resize(60, 24);
    spin.SetTypingEnabled(false);
    EXPECT_FALSE(spin.IsTypingEnabled());
    spin.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&spin));

    QTest::keyClicks(&spin, "57");
    QTest::keyClick(&spin, Qt::Key_Backspace);
    QTest::keyClick(&spin, Qt::Key_Enter);
    EXPECT_EQ(spin.value(), 12);
    EXPECT_EQ(spin.text(), "12");

    QTest::mouseClick(&spin, Qt::LeftButton, {}, spin.ArrowCentre(QStyle::SC_SpinBoxUp));
    EXPECT_EQ(spin.value(), 13);
    QTest::mouseClick(&spin, Qt::LeftButton, {}, spin.ArrowCentre(QStyle::SC_SpinBoxDown));
    QTest::mouseClick(&spin, Qt::LeftButton, {}, spin.ArrowCentre(QStyle::SC_SpinBoxDown));
    EXPECT_EQ(spin.value(), 11);

    spin.setEnabled(false);
    spin.setEnabled(true);
    EXPECT_FALSE(spin.IsTypingEnabled()) << "survives being disabled and enabled";

    spin.SetTypingEnabled(true);
    spin.selectAll();
    QTest::keyClicks(&spin, "57");
    EXPECT_EQ(spin.value(), 57);
}
