// The maxima that scale the diagrams and place the critical section.
#include "analysis/diagram_maxima.h"

#include <gtest/gtest.h>

namespace {

TEST(DiagramMaxima, LargestAbsoluteShear)
{
    EXPECT_EQ(MaxShear({}), 0);
    EXPECT_EQ(MaxShear({{3, 0}, {-5, 10}, {5, 20}}), 5);
    EXPECT_EQ(MaxShear({{-0.5L, 0}}), 0.5L);
}

// Shaft 40 mm: position 1 lands on 12.5 columns past the start and rounds to the even 12.
TEST(DiagramMaxima, FirstLargestMomentSetsTheCriticalSection)
{
    TAnalysisState state;
    state.ShaftLength = 40;
    state.MomentTerms = {{"RHA*0", 1, 'm', 0}, {"MH1", 0, 'm', 1}, {"RHB*3", 1, 'm', 3}};
    const Tav tie = {{0, 0, 0}, {-200, 100, 1}, {200, -200, 3}};
    for (int call = 0; call < 2; ++call) {
        EXPECT_EQ(MaxMoment(state, tie), 200);
        EXPECT_EQ(state.CriticalSection, 2);
        EXPECT_EQ(state.CriticalX, 62);
    }

    const Tav rightLarger = {{0, 0, 0}, {100, -150, 1}, {-300, 301, 3}};
    EXPECT_EQ(MaxMoment(state, rightLarger), 301);
    EXPECT_EQ(state.CriticalSection, 3);
    EXPECT_EQ(state.CriticalX, 88);
}

TEST(DiagramMaxima, ZeroMomentsLeaveTheCriticalSection)
{
    TAnalysisState state;
    state.ShaftLength = 100;
    state.MomentTerms = {{"RHA*0", 1, 'm', 0}};
    state.CriticalSection = 5;
    state.CriticalX = 77;
    EXPECT_EQ(MaxMoment(state, {{0, 0, 0}}), 0);
    EXPECT_EQ(state.CriticalSection, 5);
    EXPECT_EQ(state.CriticalX, 77);
}

} // namespace
