// Which figures of a notch the fatigue tables flag as estimates: a sharp corner's radius is
// assumed, so everything that rests on it is; a section outside the size fit makes kb and Se
// estimates but not the specimen's limit or the surface factor.
#include "report/fatigue_table.h"

#include <gtest/gtest.h>

namespace {

TFatigueRow ComputedShoulder()
{
    TFatigueRow row;
    row.Position = 60, row.Shoulder = true, row.Small = 40, row.Large = 60, row.Radius = 0.4, row.Computed = true;
    row.Bending.Kt = 2.5, row.Torsion.Kt = 1.9, row.Q = 0.6, row.Qs = 0.7, row.Kf = 1.9, row.Kfs = 1.63;
    row.Endurance = {200, 0.92, 0.84, 1, 154.05, false};
    row.FatigueSafety = 1.2, row.YieldSafety = 2;
    return row;
}

// The cell under `heading`.
QString Cell(const QStringList& headings, const QStringList& cells, const QString& heading)
{
    return cells.value(headings.indexOf(heading));
}

TEST(FatigueTable, EstimatesAndTheWeakestNotchAreMarked)
{
    const QStringList heads = FatigueFactorHeadings();
    TFatigueRow sharp = ComputedShoulder();
    sharp.Sharp = true;
    const QStringList cells = FatigueFactorCells(sharp, true);
    ASSERT_EQ(cells.size(), heads.size());
    EXPECT_EQ(cells[0], "60 *");
    EXPECT_EQ(Cell(heads, cells, "r [mm]"), "~0.40");
    EXPECT_EQ(Cell(heads, cells, "Kt / Kts"), "~2.50 / ~1.90");
    EXPECT_EQ(Cell(heads, cells, "q / qs"), "~0.60 / ~0.70");
    EXPECT_EQ(Cell(heads, cells, "Kf / Kfs"), "~1.90 / ~1.63");
    EXPECT_EQ(Cell(heads, cells, "ka / kb / ke"), "0.92 / 0.84 / 1.00");
    EXPECT_EQ(Cell(heads, cells, "Se' / Se [MPa]"), "200.00 / 154.05");

    TFatigueRow wide = ComputedShoulder();
    wide.Endurance.SizeEstimate = true;
    const QStringList sized = FatigueFactorCells(wide, false);
    EXPECT_EQ(sized[0], "60");
    EXPECT_EQ(Cell(heads, sized, "ka / kb / ke"), "0.92 / ~0.84 / 1.00");
    EXPECT_EQ(Cell(heads, sized, "Se' / Se [MPa]"), "200.00 / ~154.05");
    EXPECT_EQ(Cell(heads, sized, "Kt / Kts"), "2.50 / 1.90");
    wide.Bore = 24;
    EXPECT_EQ(Cell(heads, FatigueFactorCells(wide, false), "d / D [mm]"), "40.00 / 60.00, bore 24.00");

    const QStringList stressHeads = FatigueStressHeadings();
    const QStringList stresses = FatigueStressCells(sharp, true);
    ASSERT_EQ(stresses.size(), stressHeads.size());
    EXPECT_EQ(Cell(stressHeads, stresses, "n_f"), "1.20");
    EXPECT_EQ(Cell(stressHeads, stresses, "Se"), "154.05");
    EXPECT_EQ(Cell(stressHeads, FatigueStressCells(wide, false), "Se"), "~154.05");
    EXPECT_EQ(stresses.back(), "the weakest notch");
    TFatigueRow unloaded;
    unloaded.Position = 190, unloaded.Reason = "not drawn here";
    EXPECT_EQ(FatigueStressCells(unloaded, false).size(), stressHeads.size());
    EXPECT_EQ(FatigueStressCells(unloaded, false).back(), "not drawn here");
}

} // namespace
