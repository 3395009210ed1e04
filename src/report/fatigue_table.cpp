#include "report/fatigue_table.h"

#include "common/number_text.h"

namespace {

QString Number(long double value) { return FormatFloat("0.00", value); }
QString Estimated(long double value, bool estimate) { return (estimate ? "~" : "") + Number(value); }
QString Safety(const std::optional<long double>& n) { return n ? Number(*n) : QString("unloaded"); }

// The place and the section (with its bore, if any), the same first cells in both tables.
QStringList Section(const TFatigueRow& row, bool weakest)
{
    const QString diameters = (row.Shoulder ? Number(row.Small) + " / " + Number(row.Large)
                                            : row.Small > 0 ? Number(row.Small) : QString()) +
                              (row.Bore > 0 ? ", bore " + Number(row.Bore) : QString());
    return {FloatToStr(row.Position) + (weakest ? " *" : ""), row.Shoulder ? "shoulder" : "plain", diameters};
}

} // namespace

// Pairs (and the three Marin factors) share a cell: a long table paints half the texts.
QStringList FatigueFactorHeadings()
{
    return {"x [mm]", "section", "d / D [mm]", "r [mm]", "Kt / Kts", "q / qs", "Kf / Kfs", "ka / kb / ke",
            "Se' / Se [MPa]"};
}

QStringList FatigueFactorCells(const TFatigueRow& row, bool weakest)
{
    QStringList cells = Section(row, weakest);
    const bool bending = row.Bending.Estimate || row.Sharp, torsion = row.Torsion.Estimate || row.Sharp;
    const TEndurance& se = row.Endurance;
    cells << (row.Shoulder ? Estimated(row.Radius, row.Sharp) : QString())
          << Estimated(row.Bending.Kt, bending) + " / " + Estimated(row.Torsion.Kt, torsion)
          << Estimated(row.Q, row.Sharp) + " / " + Estimated(row.Qs, row.Sharp)
          << Estimated(row.Kf, bending) + " / " + Estimated(row.Kfs, torsion)
          << Number(se.Surface) + " / " + Estimated(se.Size, se.SizeEstimate) + " / " + Number(se.Reliability)
          << Number(se.Specimen) + " / " + Estimated(se.Limit, se.SizeEstimate);
    return cells;
}

QStringList FatigueStressHeadings()
{
    return {"x [mm]", "M / T [N*mm]", "σa / σm", "τa / τm", "σ'a / σ'm", "Se", "n_f", "n_y", "stresses in MPa"};
}

QStringList FatigueStressCells(const TFatigueRow& row, bool weakest)
{
    QStringList cells = Section(row, weakest).mid(0, 1);
    if (!row.Computed) return cells << "" << "" << "" << "" << "" << "" << "" << row.Reason;
    cells << Number(row.Moment) + " / " + Number(row.Torque) << Number(row.SigmaA) + " / " + Number(row.SigmaM)
          << Number(row.TauA) + " / " + Number(row.TauM) << Number(row.VonMisesA) + " / " + Number(row.VonMisesM)
          << Estimated(row.Endurance.Limit, row.Endurance.SizeEstimate) << Safety(row.FatigueSafety) << Safety(row.YieldSafety) << (weakest ? "the weakest notch" : "");
    return cells;
}

QString FatigueTableKey()
{
    return "* the weakest notch (least n_f); ~ an estimate: h/r outside the fit of Kt, the radius of a sharp corner, "
           "or d outside the fit of kb.";
}
