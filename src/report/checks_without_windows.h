// A design's checks worked out without windows: the design replayed on a scratch state through
// the rules of the windows that entered it, then the strength table, the stiffness, the critical
// speed, the fatigue at the notches, the twist and the bearings' life of its drawing, as the
// shaft check window shows them; and which of the checks asked for could not be made.
#pragma once

#include "check/fatigue_report.h"
#include "check/stiffness_and_speed.h"
#include "check/suggestions.h"
#include "document/design.h"
#include "profile/verification.h"

#include <optional>

// A load the user entered, by the name the calculation gives it ("FH1", "MV2").
struct TNamedLoad {
    QString Name;
    bool Horizontal = true;
    long double Position = 0; // mm
};

// What the checks were made with, beyond the design's check inputs.
struct TInputsUsed {
    TCheckInputs Check;
    long double TwistingMoment = 0;          // Mt, N*mm; with elements the largest |T|
    long double TorqueFrom = 0, TorqueTo = 0; // mm: the span Mt acts over; with elements the outermost ones
    std::optional<long double> UltimateStrength, YieldStrength; // MPa; none without a material
    std::vector<TNamedLoad> Loads;
    int BearingCount = 2; // the shaft's bearings, A and B at least
    std::vector<TMachineElement> Elements; // the parts mounted on the shaft
    TShaftDrive Drive;                     // their speed and sense of rotation
    TElementDrive ElementDrive;            // T(x) and the axial force they hand on
    long double ShaftLength = 0;           // mm

    // The twist is checked wherever a torque acts, or would act if the elements' torques balanced.
    bool TwistAskedFor() const { return TwistingMoment != 0 || !ElementDrive.Balanced; }
};

// A check that was asked for and could not be made: "strength", "fatigue", "bearing A life".
struct TCheckNotMade {
    QString Check;
    QString Reason;
};

struct TDesignChecks {
    TVerification Strength;
    TStiffnessAndSpeed Shaft;
    TFatigueReport Fatigue;
    TInputsUsed Inputs;
    std::vector<TCheckNotMade> NotMade;
    TSuggestions Suggestions; // what to change at the failing or the weakest rows
};

// Where the user put forces and moments, in either plane, and where the shaft's elements sit.
std::vector<long double> LoadPositions(const TPlaneEntries& horizontal, const TPlaneEntries& vertical,
                                       const std::vector<TMachineElement>& elements);

// Fails with the replay's message when a window would refuse the design, or with the drawing's
// message when its text does not read. A figure too large for a double refuses its check.
TDesignChecks CheckDesignWithoutWindows(const TDesign& design);

// Every check asked for was made and holds: no section too thin, no slope or deflection beyond
// its limit, no operating speed near the critical one, no notch below its safety, no twist beyond
// its limit, no bearing short of its life. Asked for are strength, slope and deflection, fatigue
// and the critical speed always, the twist when a twisting moment is given and a bearing's life
// when it has a rating; one that cannot be made fails.
bool DesignChecksPass(const TDesignChecks& checks);

// "Strength: not checked: neither plane is calculated"
QString NotMadeText(const TCheckNotMade& check);
