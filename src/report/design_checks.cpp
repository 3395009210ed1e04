#include "report/design_checks.h"

#include "analysis/analysis_state.h"
#include "document/decimal_texts.h"
#include "document/design_replay.h"
#include "profile/editor_state.h"

#include <algorithm>

std::vector<long double> LoadPositions(const TPlaneEntries& horizontal, const TPlaneEntries& vertical)
{
    std::vector<long double> positions;
    for (const TPlaneEntries* plane : {&horizontal, &vertical})
        for (const TLoadEntry& entry : plane->Entries)
            if (entry.Kind != TEntryKind::Bearing) positions.push_back(entry.Position);
    return positions;
}

namespace {

bool FatiguePasses(const TFatigueReport& report)
{
    const auto fails = [&](const TFatigueRow& row) { return row.Fails(report.Limits); };
    const auto isShort = [](const TBearingLife& life) { return life.Short; };
    return std::none_of(report.Fatigue.Rows.begin(), report.Fatigue.Rows.end(), fails) && !report.Twist.TooLarge &&
           std::none_of(report.Bearings.begin(), report.Bearings.end(), isShort);
}

} // namespace

TDesignChecks CheckDesignWithoutWindows(const TDesign& design)
{
    TAnalysisState state;
    TData data;
    ReplayDesign(design, state, data);
    // The drawing as the editor holds it, with the machine's decimal separator.
    const QStringList memo = ShownDecimals(design).Profile;
    const uint8_t arcSteps = TEditorState().ArcSteps;
    const TContour contour = DrawnContour(memo, arcSteps);
    const TDimensioningInputs& applied = design.Dimensioning;
    const TAppliedDimensioning fatigueFrom =
        applied.Applied ? TAppliedDimensioning{applied.Material, applied.TwistCycle} : TAppliedDimensioning{};
    return {VerifyShaft(state, data, contour),
            CheckShaft(state, LoadPositions(design.Horizontal, design.Vertical), contour, design.Check),
            MakeFatigueReport(state, data, fatigueFrom, memo, arcSteps, design.Check),
            design.Check.Fatigue.TwistLimit};
}

bool DesignChecksPass(const TDesignChecks& checks)
{
    const auto tooSmall = [](const TVerificationRow& row) { return row.Verdict == TVerdict::TooSmall; };
    const auto exceeds = [](const TDeflectionRow& row) { return row.Exceeds; };
    return std::none_of(checks.Strength.Rows.begin(), checks.Strength.Rows.end(), tooSmall) &&
           !WeakestSectionFails(checks.Strength) &&
           std::none_of(checks.Shaft.Deflection.Rows.begin(), checks.Shaft.Deflection.Rows.end(), exceeds) &&
           !checks.Shaft.Speed.NearResonance && FatiguePasses(checks.Fatigue);
}
