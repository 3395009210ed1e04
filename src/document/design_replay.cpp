#include "document/design_replay.h"

#include "analysis/load_entry.h"
#include "analysis/solver.h"
#include "check/plane_supports.h"
#include "common/errors.h"
#include "common/number_text.h"
#include "dimensioning/stress_checks.h"
#include "dimensioning/twist_span_fields.h"
#include "elements/element_entry.h"
#include "document/decimal_texts.h"
#include "profile/editor_commands.h"
#include "profile/editor_state.h"

#include <algorithm>
#include <functional>

namespace {

QString EntryPath(const QString& plane, size_t index)
{
    return plane + ".Entries[" + QString::number(index) + "]";
}

// Runs one step of the replay; a refusal is reported with the place it comes from.
void RunRefusable(const QString& what, const std::function<void()>& step)
{
    try {
        step();
    } catch (const KorvelError& error) {
        RaiseError(what + ": " + error.Text());
    }
}

TPlaneStep StepOfKind(TEntryKind kind)
{
    switch (kind) {
    case TEntryKind::Bearing: return TPlaneStep::Bearings;
    case TEntryKind::Force: return TPlaneStep::Forces;
    case TEntryKind::Moment: return TPlaneStep::Moments;
    }
    return TPlaneStep::Moments;
}

// The entry takes the bearings, then the forces, then the moments, each only once its step opened.
void CheckEntryOrder(const TPlaneEntries& plane, const QString& name)
{
    TPlaneStep reached = TPlaneStep::NotStarted;
    for (size_t i = 0; i < plane.Entries.size(); ++i) {
        const TLoadEntry& entry = plane.Entries[i];
        const TPlaneStep step = StepOfKind(entry.Kind);
        if (step < reached)
            RaiseError("The entry \"" + EntryPath(name, i) +
                       "\" of the design is out of order: a plane takes its bearings, then its forces, then its moments.");
        if (step > plane.Step)
            RaiseError("The entry \"" + EntryPath(name, i) + "\" of the design lies beyond the step \"" + name +
                       ".Step\" at which that plane's entry stands.");
        if (entry.Kind == TEntryKind::Bearing && (entry.Value != 0 || entry.Direction != 1))
            RaiseError("The entry \"" + EntryPath(name, i) + "\" of the design is a bearing with a value or "
                       "direction: a bearing carries value 0 and direction 1.");
        reached = step;
    }
}

void CheckVerticalPlane(const TPlaneEntries& plane)
{
    const bool hasBearing = std::any_of(plane.Entries.begin(), plane.Entries.end(),
                                        [](const TLoadEntry& entry) { return entry.Kind == TEntryKind::Bearing; });
    if (plane.Step == TPlaneStep::Length || plane.Step == TPlaneStep::Bearings || hasBearing)
        RaiseError("The vertical plane of the design has a length or bearings of its own: it keeps those of "
                   "the horizontal plane and starts at the forces.");
}

Tvector AddEntry(TAnalysisState& state, const TLoadEntry& entry, bool horizontal)
{
    switch (entry.Kind) {
    case TEntryKind::Bearing: return AddBearing(state, entry.Position, horizontal);
    case TEntryKind::Force: return AddForce(state, entry.Position, entry.Value, entry.Direction == 1, horizontal);
    case TEntryKind::Moment: break;
    }
    return AddMoment(state, entry.Position, entry.Value, entry.Direction == 1, horizontal);
}

// `before` counts the entries of the planes entered earlier.
void EnterLoads(const TPlaneEntries& plane, const QString& name, bool horizontal, int before, TPointFeed& points,
                TAnalysisState& state, const TReplayWatch& watch)
{
    for (size_t i = 0; i < plane.Entries.size(); ++i) {
        points.PlaceUpTo(before + int(i));
        const TLoadEntry& entry = plane.Entries[i];
        RunRefusable("The entry \"" + EntryPath(name, i) + "\" of the design is refused", [&] {
            watch.Entered(entry.Kind, AddEntry(state, entry, horizontal));
        });
    }
}

// Three or more bearings take the design's drawing, pre-sized diameter and bearing stiffness.
void Calculate(const TDesign& design, const TPlaneEntries& plane, const QString& name, TAnalysisState& state,
               TData& data, const TReplayWatch& watch)
{
    if (plane.Step != TPlaneStep::Calculated) return;
    RunRefusable("The " + name.toLower() + " plane of the design cannot be calculated", [&] {
        if (!design.Elements.empty())
            watch.ElementsEntered(EnterElementLoads(state, design.Elements, ShaftDriveOf(design), name == "Horizontal"));
        const TSectionSources sources{design.Profile, TEditorState().ArcSteps, design.ResultingDiameter.value_or(0)};
        SolvePlane(state, data, PlaneSupports(state, sources, design.Check));
    });
    watch.Calculated(name == "Horizontal");
}

void ReplayHorizontalPlane(const TDesign& design, TPointFeed& points, TAnalysisState& state, TData& data,
                           const TReplayWatch& watch)
{
    const TPlaneEntries& plane = design.Horizontal;
    CheckEntryOrder(plane, "Horizontal");
    if (plane.Step == TPlaneStep::NotStarted) return;
    state.HorzReactions = {};
    StartShaft(state);
    data.SetOriz(true);
    KeepFirstEntry(state.HorzDiagram);
    watch.PlaneStarted(true);
    if (plane.Step >= TPlaneStep::Bearings) {
        RunRefusable("The field \"ShaftLength\" of the design is refused",
                     [&] { ApplyShaftLength(state, design.ShaftLength); });
        watch.LengthApplied();
    }
    EnterLoads(plane, "Horizontal", true, 0, points, state, watch);
    Calculate(design, plane, "Horizontal", state, data, watch);
}

void ReplayVerticalPlane(const TDesign& design, TPointFeed& points, TAnalysisState& state, TData& data,
                         const TReplayWatch& watch)
{
    const TPlaneEntries& plane = design.Vertical;
    CheckVerticalPlane(plane);
    CheckEntryOrder(plane, "Vertical");
    if (plane.Step == TPlaneStep::NotStarted) return;
    state.VertReactions = {};
    KeepFirstEntry(state.VertDiagram);
    ResetPartialPlane(state);
    data.SetOriz(false);
    RenameBearingsVertical(state.Reactions);
    watch.PlaneStarted(false);
    EnterLoads(plane, "Vertical", false, int(design.Horizontal.Entries.size()), points, state, watch);
    Calculate(design, plane, "Vertical", state, data, watch);
    // The report of the vertical plane hands the sorted positions to the editor.
    if (plane.Step == TPlaneStep::Calculated) SortByPosition(state.Points);
}

// In the order of "Apply", which stops at the first field it refuses.
void ApplyDimensioning(const TDimensioningInputs& inputs, TAnalysisState& state, TData& data)
{
    if (!inputs.Applied) return;
    RunRefusable("The dimensioning inputs of the design were stored, but \"Apply\" refuses them", [&] {
        state.TorsionCoeff = StrToFloat(ShownDecimals(inputs.TorsionCoeff));
        state.AllowBendStress = ReadAllowBendStress(ShownDecimals(inputs.AlternatingStress));
        data.SetT3(inputs.Theory == 0);
        data.SetMT(ReadTwistingMoment(ShownDecimals(inputs.TwistingMoment)));
        state.TwistSpan = ReadTwistSpan(ShownDecimals(inputs.TwistFrom), ShownDecimals(inputs.TwistTo));
    });
}

} // namespace

void PlacePoint(TAnalysisState& state, const TAddedPoint& point)
{
    if (point.OfForgottenLoad) KeepLoadPosition(state, point.Position);
    else AddDimensioningPoint(state, point.Position);
}

void TPointFeed::PlaceUpTo(int entries)
{
    while (next_ < points_.size() && points_[next_].AfterEntries <= entries) PlaceNext();
}

void TPointFeed::PlaceRest()
{
    while (next_ < points_.size()) PlaceNext();
}

void TPointFeed::PlaceNext()
{
    place_(next_, points_[next_]);
    ++next_;
}

void ReplayDesign(const TDesign& design, TAnalysisState& state, TData& data, const TReplayWatch& watch)
{
    RunRefusable("The elements of the design are refused", [&] {
        CheckElements(design.Elements, ShaftDriveOf(design));
        state.ElementDrive = ElementDriveOf(design.Elements, ShaftDriveOf(design));
    });
    TPointFeed points(design.AddedPoints, [&](size_t index, const TAddedPoint& point) {
        RunRefusable("The point \"AddedPoints[" + QString::number(index) + "]\" of the design is refused",
                     [&] { PlacePoint(state, point); });
    });
    ReplayHorizontalPlane(design, points, state, data, watch);
    ReplayVerticalPlane(design, points, state, data, watch);
    ApplyDimensioning(design.Dimensioning, state, data);
    points.PlaceRest();
}

void CheckDesign(const TDesign& design)
{
    TAnalysisState scratch;
    InitialiseEntryState(scratch);
    TData data;
    ReplayDesign(design, scratch, data);
}
