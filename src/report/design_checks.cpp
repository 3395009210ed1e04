#include "report/design_checks.h"

#include "analysis/analysis_state.h"
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

TDesignChecks CheckDesignWithoutWindows(const TDesign& design)
{
    TAnalysisState state;
    TData data;
    ReplayDesign(design, state, data);
    const TContour contour = DrawnContour(design.Profile, TEditorState().ArcSteps);
    return {VerifyShaft(state, data, contour),
            CheckShaft(state, LoadPositions(design.Horizontal, design.Vertical), contour, design.Check)};
}

bool DesignChecksPass(const TDesignChecks& checks)
{
    const auto tooSmall = [](const TVerificationRow& row) { return row.Verdict == TVerdict::TooSmall; };
    const auto exceeds = [](const TDeflectionRow& row) { return row.Exceeds; };
    return std::none_of(checks.Strength.Rows.begin(), checks.Strength.Rows.end(), tooSmall) &&
           !WeakestSectionFails(checks.Strength) &&
           std::none_of(checks.Shaft.Deflection.Rows.begin(), checks.Shaft.Deflection.Rows.end(), exceeds) &&
           !checks.Shaft.Speed.NearResonance;
}
