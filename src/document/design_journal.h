// What the user entered, in the order entered: the analysis state forgets the horizontal plane's
// loads once the vertical plane starts, so the windows write each accepted entry here as well.
#pragma once

#include "document/design.h"

#include <optional>

struct TDesignJournal {
    long double ShaftLength = 0;
    TPlaneEntries Horizontal;
    TPlaneEntries Vertical;
    bool HorizontalCurrent = true; // the plane the entry window works on
    // The dimensioning fields as "Apply" stored them: they, not what was typed since, make the
    // results, and a text typed since may be one that "Apply" would refuse.
    std::optional<TDimensioningInputs> AppliedDimensioning;
    std::vector<TAddedPoint> AddedPoints;

    // "Load in horizontal plane": a new shaft, and the vertical plane with it, is gone.
    void StartShaft();
    // "Load in vertical plane": the same shaft, loaded again from the forces.
    void StartVertical();
    void ApplyLength(long double length);
    void Record(const TLoadEntry& entry);
    // The editor's "Add" of a dimensioning point, or a position that a forgotten load of the
    // vertical plane left on the shaft.
    void RecordPoint(long double position, bool ofForgottenLoad);
    // The entry window's step buttons and "Calculate".
    void Reach(TPlaneStep step);

    TPlaneEntries& CurrentPlane() { return HorizontalCurrent ? Horizontal : Vertical; }
};

// The journal of the open design; a new design starts it afresh by assignment.
extern TDesignJournal DesignJournal;
