#include "document/design_journal.h"

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
    Vertical = {TPlaneStep::Forces, {}};
    HorizontalCurrent = false;
}

void TDesignJournal::ApplyLength(long double length)
{
    ShaftLength = length;
    Reach(TPlaneStep::Bearings);
}

void TDesignJournal::Record(const TLoadEntry& entry) { CurrentPlane().Entries.push_back(entry); }

void TDesignJournal::Reach(TPlaneStep step) { CurrentPlane().Step = step; }
