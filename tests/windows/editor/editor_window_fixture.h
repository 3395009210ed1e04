// The profile editor shown on its own on a fresh window set, over a shaft of 200 mm: column
// 50 + 2.5 x, row 100 + 2.5 y on the drawing.
#pragma once

#include "analysis/analysis_state.h"
#include "windows/main/window_set.h"
#include "windows/editor/tform7.h"

#include <QTest>
#include <gtest/gtest.h>

class EditorWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Analysis = TAnalysisState();
        Analysis.ShaftLength = 200;
        CreateWindowSet();
        Form7->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form7));
    }
    void TearDown() override
    {
        DestroyWindowSet();
        Analysis = TAnalysisState();
    }
};
