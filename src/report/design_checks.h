// A design's checks worked out without windows: the design replayed on a scratch state through
// the rules of the windows that entered it, then the strength table, the stiffness, the critical
// speed, the fatigue at the notches, the twist and the bearings' life of its drawing, as the
// shaft check window shows them.
#pragma once

#include "check/fatigue_report.h"
#include "check/shaft_check.h"
#include "document/design.h"
#include "profile/verification.h"

struct TDesignChecks {
    TVerification Strength;
    TShaftCheck Shaft;
    TFatigueReport Fatigue;
    long double TwistLimit = 0; // degrees per metre
};

// Where the user put forces and moments, in either plane.
std::vector<long double> LoadPositions(const TPlaneEntries& horizontal, const TPlaneEntries& vertical);

// Fails with the replay's message when a window would refuse the design, or with the drawing's
// message when its text does not read.
TDesignChecks CheckDesignWithoutWindows(const TDesign& design);

// Every check that could be made holds: no section too thin, no slope or deflection beyond its
// limit, no operating speed near the critical one, no notch below its safety, no twist beyond its
// limit, no bearing short of its life. A check that cannot be made (nothing drawn, a plane not
// calculated) is reported, not failed.
bool DesignChecksPass(const TDesignChecks& checks);
