#include "profile/midpoint_sort.h"

#include "profile_test_support.h"

#include <gtest/gtest.h>

namespace {

TEST(MidpointSort, OrdersByMiddleOfTheEndPointsAndKeepsEqualKeysInOrder)
{
    QStringList twoLines{"line 40/20/60/20/0/", "line 0/15/40/15/0/"};
    MidpointSort(twoLines);
    EXPECT_EQ(twoLines, QStringList({"line 0/15/40/15/0/", "line 40/20/60/20/0/"}));

    // Keys 20, 20 (written right to left), 20 and the arc 45: equal keys keep their order, and
    // an arc counts by its end points, not by its bounding square.
    QStringList mixed{"arc 0/0/100/100/40/5/50/10/", "line 10/1/30/1/0/", "line 30/2/10/2/0/", "line 20/3/20/4/0/"};
    MidpointSort(mixed);
    EXPECT_EQ(mixed, QStringList({"line 10/1/30/1/0/", "line 30/2/10/2/0/", "line 20/3/20/4/0/",
                                  "arc 0/0/100/100/40/5/50/10/"}));
}

TEST(MidpointSort, FewerThanTwoLinesStayAsTheyAre)
{
    for (const QStringList& memo : {QStringList(), QStringList{"line 5/1/0/1/0/"}, QStringList{"not a statement"}}) {
        QStringList sorted = memo;
        MidpointSort(sorted);
        EXPECT_EQ(sorted, memo);
    }
}

TEST(MidpointSort, ALineThatIsNoStatementStopsTheFirstPassWhereItIsRead)
{
    // The first pass carries 50 forward over 30 and 10, then reads the empty line.
    QStringList memo{"line 50/1/50/2/0/", "line 30/1/30/2/0/", "line 10/1/10/2/0/", "", "line 0/1/0/2/0/"};
    EXPECT_EQ(FailureOf([&] { MidpointSort(memo); }), "'' is not a valid floating point value");
    EXPECT_EQ(memo, QStringList({"line 30/1/30/2/0/", "line 10/1/10/2/0/", "line 50/1/50/2/0/", "",
                                 "line 0/1/0/2/0/"}));

    QStringList badFirst{"line x/1/2/1/0/", "line 0/1/1/1/0/"};
    EXPECT_EQ(FailureOf([&] { MidpointSort(badFirst); }), "'x' is not a valid floating point value");
    EXPECT_EQ(badFirst.first(), "line x/1/2/1/0/");
}

} // namespace
