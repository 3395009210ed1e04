// Taking back one load of the plane being entered.
#include "document/entry_removal.h"

#include "analysis/load_entry.h"
#include "common/errors.h"
#include "common/number_text.h"
#include "document/design_replay.h"

#include <algorithm>

namespace {

// How many entries of the kind come before `index`: the entry's running number less one.
uint8_t EntriesBefore(const TPlaneEntries& plane, size_t index)
{
    const auto begin = plane.Entries.begin();
    const TEntryKind kind = plane.Entries[index].Kind;
    return uint8_t(std::count_if(begin, begin + index, [kind](const TLoadEntry& entry) { return entry.Kind == kind; }));
}

TPlaneEntries& PlaneOf(TDesign& design, bool horizontal) { return horizontal ? design.Horizontal : design.Vertical; }

} // namespace

TEntryRow LengthRow(long double shaftLength) { return {"L", QString(), FloatToStr(shaftLength) + " mm", QString()}; }

TEntryRow EntryRow(const TPlaneEntries& plane, size_t index, bool horizontal)
{
    const TLoadEntry& entry = plane.Entries[index];
    const uint8_t before = EntriesBefore(plane, index);
    const QString position = FloatToStr(entry.Position);
    const bool direction = entry.Direction == 1;
    switch (entry.Kind) {
    case TEntryKind::Bearing: return {BearingName(before, horizontal), position, QString(), QString()};
    case TEntryKind::Force:
        return {TermName("F", horizontal, before), position, FloatToStr(entry.Value) + " N", direction ? "up" : "down"};
    case TEntryKind::Moment:
        return {TermName("M", horizontal, before), position, FloatToStr(entry.Value) + " N*mm", direction ? "cw" : "ccw"};
    }
    return {};
}

std::vector<TEntryRow> EntryRows(long double shaftLength, const TPlaneEntries& plane, bool horizontal)
{
    std::vector<TEntryRow> rows;
    if (shaftLength > 0) rows.push_back(LengthRow(shaftLength));
    for (size_t i = 0; i < plane.Entries.size(); ++i) rows.push_back(EntryRow(plane, i, horizontal));
    return rows;
}

TDesign DesignWithoutRow(const TDesign& design, bool horizontal, size_t row)
{
    if (row == 0) RaiseError(kLengthStays);
    TDesign without = design;
    TPlaneEntries& plane = PlaneOf(without, horizontal);
    if (row > plane.Entries.size()) RaiseError("List index out of bounds (" + IntToStr(int(row)) + ")");
    plane.Entries.erase(plane.Entries.begin() + std::ptrdiff_t(row - 1));
    // The editor's points added after the entry were added one entry earlier.
    const int removed = int(row - 1) + (horizontal ? 0 : int(design.Horizontal.Entries.size()));
    for (TAddedPoint& point : without.AddedPoints)
        if (point.AfterEntries > removed) --point.AfterEntries;
    plane.Step = std::min(plane.Step, TPlaneStep::Calculate);
    CheckDesign(without);
    return without;
}
