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
    // The parts mounted on the shaft as last applied, and its sense of rotation: their loads join
    // each plane as it is calculated.
    std::vector<TMachineElement> Elements;
    TShaftRotation Rotation = TShaftRotation::CounterClockwise;
    // The length, planes and points that a plane started anew from the navigation panel replaces,
    // while nothing is entered in it: the design still holds them, and leaving the entry puts them
    // back. The first thing entered in the new plane lets them go.
    std::optional<TDesign> Replaced;

    // "Load in horizontal plane": a new shaft, and the vertical plane with it, is gone.
    void StartShaft();
    // A new shaft from the navigation panel carries none of the old one's elements.
    void ForgetElements();
    // "Load in vertical plane": the same shaft, loaded again from the forces.
    void StartVertical();
    void ApplyLength(long double length);
    void Record(const TLoadEntry& entry);
    // The editor's "Add" of a dimensioning point, or a position that a forgotten load of the
    // vertical plane left on the shaft.
    void RecordPoint(long double position, bool ofForgottenLoad);
    // The entry window's step buttons and "Calculate".
    void Reach(TPlaneStep step);

    // Whether starting the plane anew would take entries with it: a horizontal start takes the
    // whole shaft with its elements, a vertical start the vertical plane's loads.
    bool StartLosesEntries(bool horizontal) const;
    // Keeps `design`'s length, planes and points until something is entered in the new plane;
    // a start over a start keeps the first design.
    void KeepUntilEntered(const TDesign& design);
    // The length, planes, points and elements of the design: those kept while the new plane is empty.
    void CopyPlanesTo(TDesign& design) const;

    TPlaneEntries& CurrentPlane() { return HorizontalCurrent ? Horizontal : Vertical; }
};

// The journal of the open design; a new design starts it afresh by assignment.
extern TDesignJournal DesignJournal;
