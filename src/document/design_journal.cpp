#include "document/design_journal.h"

#include <algorithm>
#include <limits>

TDesignJournal DesignJournal;

void TDesignJournal::StartShaft()
{
    ShaftLength = 0;
    Horizontal = {TPlaneStep::Length, {}};
    Vertical = {};
    HorizontalCurrent = true;
    // The added points went with the old shaft's positions.
    AddedPoints.clear();
}

// The loads of the vertical plane are forgotten, their positions are not: they join the points
// in the order they came, and all of them now come before the entries of the new plane.
void TDesignJournal::StartVertical()
{
    const int before = int(Horizontal.Entries.size());
    std::vector<TAddedPoint> points;
    size_t load = 0;
    const auto keepLoadsUpTo = [&](int entries) {
        for (; load < Vertical.Entries.size() && before + int(load) < entries; ++load)
            points.push_back({Vertical.Entries[load].Position, before, true});
    };
    for (const TAddedPoint& point : AddedPoints) {
        keepLoadsUpTo(point.AfterEntries);
        points.push_back({point.Position, std::min(point.AfterEntries, before), point.OfForgottenLoad});
    }
    keepLoadsUpTo(std::numeric_limits<int>::max());
    AddedPoints = std::move(points);
    Vertical = {TPlaneStep::Forces, {}};
    HorizontalCurrent = false;
}

void TDesignJournal::ForgetElements()
{
    Elements.clear();
    Rotation = TShaftRotation::CounterClockwise;
}

void TDesignJournal::ApplyLength(long double length)
{
    ShaftLength = length;
    Reach(TPlaneStep::Bearings);
}

void TDesignJournal::Record(const TLoadEntry& entry)
{
    Replaced.reset();
    CurrentPlane().Entries.push_back(entry);
}

void TDesignJournal::RecordPoint(long double position, bool ofForgottenLoad)
{
    Replaced.reset();
    AddedPoints.push_back({position, int(Horizontal.Entries.size() + Vertical.Entries.size()), ofForgottenLoad});
}

void TDesignJournal::Reach(TPlaneStep step)
{
    Replaced.reset();
    CurrentPlane().Step = step;
}

namespace {

// The journal and the design name these alike.
template <class Planes>
void CopyPlanes(const Planes& from, TDesign& to)
{
    to.ShaftLength = from.ShaftLength;
    to.Horizontal = from.Horizontal;
    to.Vertical = from.Vertical;
    to.AddedPoints = from.AddedPoints;
    to.Elements = from.Elements;
    to.Rotation = from.Rotation;
}

// More than a fresh start of the vertical plane holds.
bool HoldsVerticalEntries(const TPlaneEntries& vertical)
{
    return !vertical.Entries.empty() || vertical.Step > TPlaneStep::Forces;
}

} // namespace

bool TDesignJournal::StartLosesEntries(bool horizontal) const
{
    if (horizontal && (Horizontal.Step > TPlaneStep::Length || !Elements.empty())) return true;
    return HoldsVerticalEntries(Vertical);
}

void TDesignJournal::KeepUntilEntered(const TDesign& design)
{
    if (!Replaced) Replaced = design;
}

void TDesignJournal::CopyPlanesTo(TDesign& design) const
{
    if (Replaced) CopyPlanes(*Replaced, design);
    else CopyPlanes(*this, design);
}
