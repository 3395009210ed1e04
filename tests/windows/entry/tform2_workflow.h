// A shaft entered the way a user enters it: the navigation panel's plane buttons and the real
// buttons of the initial-data window, on a fresh window set.
#pragma once

#include "analysis/analysis_state.h"
#include "windows/entry/tform2.h"
#include "windows/main/file_questions.h"
#include "windows/main/tform6.h"
#include "windows/main/window_set.h"
#include "widgets/image_button.h"

#include "test_support.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

class EntryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The glyph files are read relative to the working directory.
        previousDirectory_ = QDir::currentPath();
        QDir::setCurrent(SourcePath("."));
        Analysis = TAnalysisState();
        CreateWindowSet();
        // A new shaft over work asks first; these workflows let the old one go.
        previousUnsaved_ = SetUnsavedQuestion([](const QString&) { return TUnsavedAnswer::Discard; });
    }
    void TearDown() override
    {
        SetUnsavedQuestion(previousUnsaved_);
        DestroyWindowSet();
        Analysis = TAnalysisState();
        QDir::setCurrent(previousDirectory_);
    }

    static void StartHorizontal() { Form6->Bitbtn2->click(); }
    static void StartVertical() { Form6->BitBtn3->click(); }

    static void ApplyLength(const QString& length)
    {
        Form2->Edit1->setText(length);
        Form2->BitBtn1->click();
    }
    static void AddBearingAt(const QString& position)
    {
        Form2->Edit2->setText(position);
        Form2->BitBtn2->click();
    }
    // `up` is the first radio button: with the reactions.
    static void AddForceAt(const QString& position, const QString& value, bool up)
    {
        Form2->Edit3->setText(position);
        Form2->Edit4->setText(value);
        (up ? Form2->rb1 : Form2->rb2)->setChecked(true);
        Form2->BitBtn4->click();
    }
    static void AddMomentAt(const QString& position, const QString& value, bool clockwise)
    {
        Form2->Edit5->setText(position);
        Form2->Edit6->setText(value);
        (clockwise ? Form2->rb3 : Form2->rb4)->setChecked(true);
        Form2->BitBtn6->click();
    }

    // Length and bearings of a shaft, up to the forces step.
    static void EnterShaft(const QString& length, std::initializer_list<QString> bearings)
    {
        StartHorizontal();
        ApplyLength(length);
        for (const QString& position : bearings) AddBearingAt(position);
        Form2->BitBtn3->click();
    }
    // Applies the forces and the moments and presses "Calculate".
    static void Calculate()
    {
        Form2->BitBtn5->click();
        Form2->BitBtn7->click();
        Form2->BitBtn8->click();
    }

    // The complete example: 100 mm on bearings at both ends, FH1 = 1000 N down at the middle.
    static void CalculateCompleteExample()
    {
        EnterShaft("100", {"0", "100"});
        AddForceAt("50", "1000", false);
        Calculate();
    }

    // 300 mm on bearings at both ends, 1000 N down at the middle in the horizontal plane and 2000 N
    // up in the vertical one, both calculated.
    static void CalculateMiddleLoadsInBothPlanes()
    {
        EnterShaft("300", {"0", "300"});
        AddForceAt("150", "1000", false);
        Calculate();
        StartVertical();
        AddForceAt("150", "2000", true);
        Calculate();
    }

private:
    QString previousDirectory_;
    TUnsavedQuestion previousUnsaved_;
};
