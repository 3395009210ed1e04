#include "document/design_journal.h"

#include <algorithm>

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

void TDesignJournal::StartVertical()
{
    // The points added among the forgotten entries now come before the new ones.
    for (TAddedPoint& point : AddedPoints)
        point.AfterEntries = std::min(point.AfterEntries, int(Horizontal.Entries.size()));
    Vertical = {TPlaneStep::Forces, {}};
    HorizontalCurrent = false;
}

void TDesignJournal::ApplyLength(long double length)
{
    ShaftLength = length;
    Reach(TPlaneStep::Bearings);
}

void TDesignJournal::Record(const TLoadEntry& entry) { CurrentPlane().Entries.push_back(entry); }

void TDesignJournal::AddPoint(long double position)
{
    AddedPoints.push_back({position, int(Horizontal.Entries.size() + Vertical.Entries.size())});
}

void TDesignJournal::Reach(TPlaneStep step) { CurrentPlane().Step = step; }
