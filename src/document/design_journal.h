// What the user entered, in the order entered: the analysis state forgets the horizontal plane's
// loads once the vertical plane starts, so the windows write each accepted entry here as well.
#pragma once

#include "document/design.h"

struct TDesignJournal {
    long double ShaftLength = 0;
    TPlaneEntries Horizontal;
    TPlaneEntries Vertical;
    bool HorizontalCurrent = true; // the plane the entry window works on
    bool DimensioningApplied = false;
    std::vector<long double> AddedPoints;

    // "Load in horizontal plane": a new shaft, and the vertical plane with it, is gone.
    void StartShaft();
    // "Load in vertical plane": the same shaft, loaded again from the forces.
    void StartVertical();
    void ApplyLength(long double length);
    void Record(const TLoadEntry& entry);
    // The entry window's step buttons and "Calculate".
    void Reach(TPlaneStep step);

    TPlaneEntries& CurrentPlane() { return HorizontalCurrent ? Horizontal : Vertical; }
};

// The journal of the open design; a new design starts it afresh by assignment.
extern TDesignJournal DesignJournal;
