#include "common/errors.h"
#include "design_samples.h"
#include "document/design_replay.h"
#include "document/entry_removal.h"
#include "profile/editor_commands.h"

#include <gtest/gtest.h>

namespace {

QString RefusalOf(const TDesign& design, bool horizontal, size_t row)
{
    try {
        DesignWithoutRow(design, horizontal, row);
    } catch (const KorvelError& error) {
        return error.Text();
    }
    return "(no refusal)";
}

} // namespace

TEST(EntryRemoval, RowsNameEveryEntryAsTheEntryNamesIt)
{
    const TPlaneEntries plane{TPlaneStep::Moments,
                              {{TEntryKind::Bearing, 0, 0, 1},
                               {TEntryKind::Bearing, 400, 0, 1},
                               {TEntryKind::Force, 100, 2000, 0},
                               {TEntryKind::Force, 250.5L, 1500, 1},
                               {TEntryKind::Moment, 300, 60000, 1},
                               {TEntryKind::Moment, 320, 5000, 0}}};
    const std::vector<TEntryRow> rows{{"L", "", "400 mm", ""},         {"RHA", "0", "", ""},
                                      {"RHB", "400", "", ""},          {"FH1", "100", "2000 N", "down"},
                                      {"FH2", "250.5", "1500 N", "up"}, {"MH1", "300", "60000 N*mm", "cw"},
                                      {"MH2", "320", "5000 N*mm", "ccw"}};
    EXPECT_EQ(EntryRows(400, plane, true), rows);
    EXPECT_EQ(EntryRow(plane, 3, false).Name, "FV2");
    // Before its length is applied a plane lists nothing.
    EXPECT_TRUE(EntryRows(0, {TPlaneStep::Length, {}}, true).empty());
}

TEST(EntryRemoval, ACalculatedPlaneLosesTheEntryAndItsCalculationAndNothingElseChanges)
{
    const TDesign design = SmallDesign();
    const TDesign without = DesignWithoutRow(design, true, 3); // FH1 at 50

    TDesign expected = design;
    expected.Horizontal = {TPlaneStep::Calculate, {{TEntryKind::Bearing, 0, 0, 1}, {TEntryKind::Bearing, 100, 0, 1}}};
    // The editor's point was added after the force, so one entry earlier now.
    --expected.AddedPoints[0].AfterEntries;
    EXPECT_EQ(without, expected);

    const TDesign verticalWithout = DesignWithoutRow(design, false, 1);
    EXPECT_EQ(verticalWithout.Vertical, (TPlaneEntries{TPlaneStep::Calculate, {}}));
    EXPECT_EQ(verticalWithout.Horizontal, design.Horizontal);
}

TEST(EntryRemoval, TheLengthAndAnythingTheOpenedDesignWouldRefuseStay)
{
    TDesign design = SmallDesign();
    EXPECT_EQ(RefusalOf(design, true, 0), kLengthStays);
    EXPECT_EQ(RefusalOf(design, false, 0), kLengthStays);
    EXPECT_EQ(RefusalOf(design, false, 2), "List index out of bounds (2)");

    // The editor's point at 75 lies on the shaft only while the bearing at 100 is there.
    design.Vertical = {};
    design.Horizontal.Entries[0].Position = 20;
    design.AddedPoints = {{75, 3, false}};
    EXPECT_TRUE(RefusalOf(design, true, 2).endsWith(kOutsideShaft)) << RefusalOf(design, true, 2).toStdString();
}
