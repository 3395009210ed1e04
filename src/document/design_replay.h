// A design replayed through the rules of the windows that entered it: the load entry, the
// solver, the dimensioning "Apply" and the editor's points. What a window would refuse, the
// design file cannot hold.
#pragma once

#include "analysis/analysis_state.h"
#include "document/design.h"

#include <functional>

// A point of a design put on the shaft: by the editor's "Add", or kept as a forgotten load's
// position is kept.
void PlacePoint(TAnalysisState& state, const TAddedPoint& point);

// The points of a design in their order, each placed once as many entries were made as when
// it came: an entry at the position of an earlier point then finds it there.
class TPointFeed {
public:
    using TPlace = std::function<void(size_t index, const TAddedPoint& point)>;
    TPointFeed(const std::vector<TAddedPoint>& points, TPlace place) : points_(points), place_(std::move(place)) {}

    void PlaceUpTo(int entries);
    void PlaceRest();

private:
    void PlaceNext();

    const std::vector<TAddedPoint>& points_;
    TPlace place_;
    size_t next_ = 0;
};

// The steps of a replay at which the windows draw on the page, for whoever draws it again: a
// plane starts (the vertical plane once its bearings are renamed), the length is applied, an
// entry is added, a plane is calculated.
struct TReplayWatch {
    std::function<void(bool horizontal)> PlaneStarted = [](bool) {};
    std::function<void()> LengthApplied = [] {};
    std::function<void(TEntryKind kind, const Tvector& entry)> Entered = [](TEntryKind, const Tvector&) {};
    // The loads of the shaft's elements, entered after the plane's own just before it is calculated.
    std::function<void(const Tincarcare& terms)> ElementsEntered = [](const Tincarcare&) {};
    std::function<void(bool horizontal)> Calculated = [](bool) {};
};

// Enters the planes, the loads of the shaft's elements before each plane is calculated, hands
// on the elements' T(x) and axial force, calculates those that were calculated, applies the dimensioning inputs
// that were applied and adds the editor's points among the entries where they were added, as
// the windows do. A refusal fails with the
// rule's message and the place in the design that it refuses.
void ReplayDesign(const TDesign& design, TAnalysisState& state, TData& data, const TReplayWatch& watch = {});

// Replays the design on a scratch state; nothing shared is touched.
void CheckDesign(const TDesign& design);
