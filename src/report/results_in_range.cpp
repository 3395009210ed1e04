#include "report/results_in_range.h"

#include <algorithm>
#include <cmath>

namespace {

const QString kBeyondRange = QStringLiteral("Results too large to represent (beyond 1.8E308): check the loads");

bool Fits(long double value) { return std::isfinite(double(value)); }
bool Fits(const std::optional<long double>& value) { return !value || Fits(*value); }
bool AllFit(std::initializer_list<long double> values) { return std::all_of(values.begin(), values.end(), [](long double v) { return Fits(v); }); }

bool RowFits(const TVerificationRow& row)
{
    return Fits(row.Moment) && Fits(row.Required) && Fits(row.Drawn) && Fits(row.Ratio);
}

bool RowFits(const TDeflectionRow& row) { return AllFit({row.Position, row.Horizontal, row.Vertical, row.Resultant, row.Limit}); }

bool RowFits(const TFatigueRow& row)
{
    return AllFit({row.Small, row.Large, row.Radius, row.Bending.Kt, row.Torsion.Kt, row.Q, row.Qs, row.Kf, row.Kfs,
                   row.Endurance.Limit, row.Moment, row.Torque, row.SigmaA, row.SigmaM, row.TauA, row.TauM,
                   row.VonMisesA, row.VonMisesM}) &&
           Fits(row.FatigueSafety) && Fits(row.YieldSafety);
}

template <class Row>
bool RowsFit(const std::vector<Row>& rows)
{
    return std::all_of(rows.begin(), rows.end(), [](const Row& row) { return RowFits(row); });
}

} // namespace

void RefuseResultsBeyondRange(TVerification& strength)
{
    for (TVerificationRow& row : strength.Rows)
        if (!RowFits(row)) row = {row.Position, {}, {}, {}, {}, TVerdict::Unknown, kBeyondRange};
    if (strength.WeakestPosition && !Fits(strength.WeakestRatio)) {
        strength.WeakestPosition.reset();
        strength.WeakestReason = kBeyondRange;
    }
}

void RefuseResultsBeyondRange(TStiffnessAndSpeed& shaft)
{
    if (!RowsFit(shaft.Deflection.Rows)) {
        shaft.Deflection.Rows.clear();
        shaft.Deflection.Problem = kBeyondRange;
    }
    TSpeedCheck& speed = shaft.Speed;
    if (!Fits(speed.CriticalSpeed) || !Fits(speed.Ratio)) speed = {kBeyondRange, {}, {}, false};
}

void RefuseResultsBeyondRange(TFatigueReport& report)
{
    if (!RowsFit(report.Fatigue.Rows)) {
        report.Fatigue = {};
        report.FatigueProblem = kBeyondRange;
    }
    if (!AllFit({report.Twist.Degrees, report.Twist.DegreesPerMetre})) {
        report.Twist = {};
        report.TwistProblem = kBeyondRange;
    }
    for (TBearingLife& life : report.Bearings)
        if (!Fits(life.Load) || !Fits(life.Revolutions) || !Fits(life.Hours)) {
            life = {};
            life.Problem = kBeyondRange;
        }
}
