// The two list operations shared by the solver and the drawing routines.
#include "analysis/load_model.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

QStringList Names(const Tincarcare& terms)
{
    QStringList names;
    for (const Tvector& term : terms) names << term.Name;
    return names;
}

TEST(LoadModel, ConcatenateKeepsBothListsInOrder)
{
    const Tincarcare first = {{"RHA"}, {"RHB"}};
    const Tincarcare second = {{"FH1"}};
    EXPECT_EQ(Names(Concatenate(first, second)), QStringList({"RHA", "RHB", "FH1"}));
    EXPECT_EQ(Names(Concatenate(Tincarcare{}, second)), QStringList({"FH1"}));
    EXPECT_EQ(Names(Concatenate(first, Tincarcare{})), QStringList({"RHA", "RHB"}));
    EXPECT_TRUE(Concatenate(TPuncte{}, TPuncte{}).empty());
}

TEST(LoadModel, SortByPositionKeepsEntryOrderAtEqualPositions)
{
    Tincarcare terms = {{"FH1", 0, 'f', 50}, {"RHB", 1, 'f', 100}, {"MH1", 0, 'm', 50},
                        {"RHA", 1, 'f', 0}, {"FH2", 0, 'f', -10}};
    SortByPosition(terms);
    EXPECT_EQ(Names(terms), QStringList({"FH2", "RHA", "FH1", "MH1", "RHB"}));

    TPuncte points = {{0, 100}, {1, 0}, {0, 0}};
    SortByPosition(points);
    EXPECT_EQ(points[0].Bearing, 1);
    EXPECT_EQ(points[1].Bearing, 0);
    EXPECT_EQ(points[2].Position, 100);
}

} // namespace
