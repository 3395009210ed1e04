// The distributed-load window pressed through its own buttons, writing into the force fields.
#include "windows/entry/tform2.h"
#include "windows/entry/tform4.h"
#include "windows/main/window_set.h"
#include "test_support.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class DistributedLoadWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        CreateWindowSet();
        Form2->Edit3->setText("old position");
        Form2->Edit4->setText("old value");
    }
    void TearDown() override { DestroyWindowSet(); }

    static void Type(QLineEdit* edit, const QString& text)
    {
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    static void Enter(const QString& x, const QString& f, const QString& l, const QString& l2)
    {
        Type(Form4->e1, x);
        Type(Form4->e2, f);
        Type(Form4->e3, l);
        if (Form4->e4->isEnabled()) Type(Form4->e4, l2);
    }
    static void Convert() { QTest::mouseClick(Form4->BitBtn1, Qt::LeftButton); }
};

TEST_F(DistributedLoadWindow, EveryCaseFillsTheForceFields)
{
    struct Case {
        QRadioButton* radio;
        QStringList fields;
        QString position, value;
    };
    const Case cases[] = {
        {Form4->rb1, {"100", "2", "300", ""}, "250", "600"},
        {Form4->rb2, {"0", "3", "90", ""}, "60", "135"},
        {Form4->rb3, {"0", "3", "90", ""}, "30", "135"},
        {Form4->rb4, {"10", "2", "20", "60"}, "60", "160"},
    };
    for (const Case& c : cases) {
        QTest::mouseClick(c.radio, Qt::LeftButton);
        Enter(c.fields[0], c.fields[1], c.fields[2], c.fields[3]);
        Convert();
        EXPECT_EQ(Form2->Edit3->text(), c.position);
        EXPECT_EQ(Form2->Edit4->text(), c.value);
    }
}

TEST_F(DistributedLoadWindow, OnlyTheTrapezoidTakesL2)
{
    EXPECT_TRUE(Form4->rb1->isChecked());
    EXPECT_FALSE(Form4->e4->isEnabled());
    QTest::mouseClick(Form4->rb4, Qt::LeftButton);
    EXPECT_TRUE(Form4->e4->isEnabled());
    QTest::mouseClick(Form4->rb2, Qt::LeftButton);
    EXPECT_FALSE(Form4->e4->isEnabled());
}

TEST_F(DistributedLoadWindow, BadDataWritesNothingOrStopsAtTheBadField)
{
    MessageRecorder messages;
    QTest::mouseClick(Form4->rb4, Qt::LeftButton);
    Enter("10", "2", "20", "");
    Convert();
    EXPECT_EQ(Form2->Edit3->text(), "old position");

    QTest::mouseClick(Form4->rb1, Qt::LeftButton);
    Enter("ten", "2", "300", "");
    Convert();
    EXPECT_EQ(Form2->Edit3->text(), "old position");
    EXPECT_EQ(Form2->Edit4->text(), "old value");

    // The position is written before the intensity is read.
    Enter("100", "two", "300", "");
    Convert();
    EXPECT_EQ(Form2->Edit3->text(), "250");
    EXPECT_EQ(Form2->Edit4->text(), "old value");

    EXPECT_EQ(messages.texts, QStringList({"Nu au fost introduse toate datele !",
                                           "Datele nu au fost introduse corect !",
                                           "Datele nu au fost introduse corect !"}));
}

TEST_F(DistributedLoadWindow, ToolWindowOnTop)
{
    EXPECT_EQ(Form4->windowTitle(), "Distributed load -> concentrated load");
    EXPECT_EQ(Form4->geometry(), QRect(522, 30, 266, 346));
    EXPECT_TRUE(Form4->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(Form4->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
}

} // namespace
