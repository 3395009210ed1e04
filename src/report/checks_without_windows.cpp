#include "report/checks_without_windows.h"

#include "analysis/analysis_state.h"
#include "analysis/load_entry.h"
#include "analysis/shaft_torque.h"
#include "check/steel_grades.h"
#include "common/errors.h"
#include "common/number_text.h"
#include "document/decimal_texts.h"
#include "document/design_replay.h"
#include "profile/editor_state.h"
#include "report/results_in_range.h"
#include "report/verdict.h"

#include <algorithm>
#include <cmath>

std::vector<long double> LoadPositions(const TPlaneEntries& horizontal, const TPlaneEntries& vertical,
                                       const std::vector<TMachineElement>& elements)
{
    std::vector<long double> positions;
    for (const TPlaneEntries* plane : {&horizontal, &vertical})
        for (const TLoadEntry& entry : plane->Entries)
            if (entry.Kind != TEntryKind::Bearing) positions.push_back(entry.Position);
    for (const TMachineElement& element : elements) positions.push_back(element.Position);
    return positions;
}

namespace {

// Why a check cannot be made before it is tried: each is a precondition of some checks.
struct TPreconditions {
    QString Drawn, Planes, Applied;
};

QString FirstReason(std::initializer_list<QString> reasons)
{
    for (const QString& reason : reasons)
        if (!reason.isEmpty()) return reason;
    return QString();
}

QString StrengthReason(const TVerification& strength)
{
    if (strength.Rows.empty()) return "no analysed positions";
    for (const TVerificationRow& row : strength.Rows) {
        if (row.Verdict == TVerdict::Unknown) return row.Reason;
        if (row.Verdict == TVerdict::NotDrawn) return "nothing is drawn at x = " + FloatToStr(row.Position) + " mm";
    }
    const auto hasRatio = [](const TVerificationRow& row) { return row.Ratio.has_value(); };
    if (!strength.WeakestPosition && std::any_of(strength.Rows.begin(), strength.Rows.end(), hasRatio))
        return strength.WeakestReason;
    return QString();
}

QString FatigueReason(const TFatigueReport& report)
{
    if (!report.FatigueProblem.isEmpty()) return report.FatigueProblem;
    for (const TFatigueRow& row : report.Fatigue.Rows)
        if (!row.Computed) return "x = " + FloatToStr(row.Position) + " mm: " + row.Reason;
    return QString();
}

QString BearingReason(const TBearingLife& life) { return life.Hours || life.Unloaded ? QString() : life.Problem; }

void AddNotMade(std::vector<TCheckNotMade>& notMade, const QString& check, const QString& reason)
{
    if (!reason.isEmpty()) notMade.push_back({check, reason});
}

std::vector<TCheckNotMade> ChecksNotMade(const TDesignChecks& checks, const TPreconditions& pre)
{
    std::vector<TCheckNotMade> notMade;
    AddNotMade(notMade, "strength", FirstReason({pre.Drawn, pre.Planes, pre.Applied, StrengthReason(checks.Strength)}));
    AddNotMade(notMade, "slope and deflection", FirstReason({pre.Drawn, pre.Planes, checks.Shaft.Deflection.Problem}));
    AddNotMade(notMade, "critical speed", FirstReason({pre.Drawn, checks.Shaft.Speed.Problem}));
    AddNotMade(notMade, "fatigue", FirstReason({pre.Drawn, pre.Planes, pre.Applied, FatigueReason(checks.Fatigue)}));
    if (checks.Inputs.TwistAskedFor()) AddNotMade(notMade, "twist", FirstReason({pre.Drawn, checks.Fatigue.TwistProblem}));
    for (size_t i = 0; i < checks.Fatigue.Bearings.size(); ++i)
        if (checks.Inputs.Check.Fatigue.Bearings[i].Rating > 0)
            AddNotMade(notMade, QString("bearing ") + QChar('A' + int(i)) + " life",
                       FirstReason({pre.Planes, BearingReason(checks.Fatigue.Bearings[i])}));
    return notMade;
}

std::vector<TNamedLoad> NamedLoads(const TDesign& design)
{
    std::vector<TNamedLoad> loads;
    for (const bool horizontal : {true, false}) {
        uint8_t forces = 0, moments = 0;
        for (const TLoadEntry& entry : (horizontal ? design.Horizontal : design.Vertical).Entries) {
            if (entry.Kind == TEntryKind::Force) loads.push_back({TermName("F", horizontal, forces++), horizontal, entry.Position});
            if (entry.Kind == TEntryKind::Moment) loads.push_back({TermName("M", horizontal, moments++), horizontal, entry.Position});
        }
    }
    return loads;
}

TInputsUsed InputsUsed(const TDesign& design, const TAnalysisState& state, const TData& data, const QString& material)
{
    const TShaftTorque torque = ShaftTorqueOf(state, data);
    const std::vector<TTorqueStretch> stretches = torque.Stretches(state.ShaftLength);
    const bool twisted = !stretches.empty();
    // Without elements Mt with its sign; with them the largest |T|, between the outermost ones.
    const long double moment = torque.FromElements() ? torque.Largest() : data.MT();
    TInputsUsed used{design.Check, moment, twisted ? stretches.front().From : 0,
                     twisted ? stretches.back().To : state.ShaftLength, std::nullopt, std::nullopt, NamedLoads(design),
                     ShaftBearingCount(state)};
    used.Elements = design.Elements;
    used.Drive = ShaftDriveOf(design);
    used.ElementDrive = state.ElementDrive;
    used.ShaftLength = state.ShaftLength;
    try {
        const TFatigueMaterial strengths = FatigueMaterialOf(design.Check.Fatigue, material);
        used.UltimateStrength = strengths.UltimateStrength;
        used.YieldStrength = strengths.YieldStrength;
    } catch (const KorvelError&) {
        // The fatigue check says why it has no strengths.
    }
    return used;
}

// The first letter of a sentence, lower-cased to follow "not checked: ", unless it is a symbol.
QString Clause(QString text)
{
    if (text.size() > 1 && text[1].isLower()) text[0] = text[0].toLower();
    return text;
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
    const std::vector<long double> loads = LoadPositions(design.Horizontal, design.Vertical, design.Elements);
    TDesignChecks checks{VerifyShaft(state, data, contour),
                         CheckStiffnessAndSpeed(state, loads, contour, WithElementMasses(design.Check, design.Elements)),
                         MakeFatigueReport(state, data, fatigueFrom, memo, arcSteps, design.Check),
                         InputsUsed(design, state, data, fatigueFrom.Material), {}};
    RefuseResultsBeyondRange(checks.Strength);
    RefuseResultsBeyondRange(checks.Shaft);
    RefuseResultsBeyondRange(checks.Fatigue);
    const TPreconditions preconditions{contour.empty() ? "nothing is drawn" : QString(), UncalculatedPlanes(state),
                                       applied.Applied ? QString() : "the dimensioning inputs are not applied"};
    checks.NotMade = ChecksNotMade(checks, preconditions);
    checks.Suggestions = SuggestForFatiguePage(
        checks.Fatigue, {state, data, fatigueFrom, memo, arcSteps, design.Check, loads, LargestDrawnDiameter(contour)});
    return checks;
}

// The verdict's rule, which the report's first page states.
bool DesignChecksPass(const TDesignChecks& checks) { return ChecksVerdict(checks).Holds(); }

QString NotMadeText(const TCheckNotMade& check)
{
    return check.Check.left(1).toUpper() + check.Check.mid(1) + ": not checked: " + Clause(check.Reason);
}
