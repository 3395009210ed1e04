// A design as the user left it: the entries of both planes, the dimensioning inputs, the
// profile drawing with its settings and points, the overlay switches and the 3D view's
// resolution. A plain value, written to and read from a design file.
#pragma once

#include "check/check_inputs.h"
#include "document/report_details.h"
#include "elements/machine_elements.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

enum class TEntryKind { Bearing, Force, Moment };

// One "Add" of the load entry. Bearings carry value 0 and direction 1, as the entry stores them.
struct TLoadEntry {
    TEntryKind Kind = TEntryKind::Force;
    long double Position = 0;
    long double Value = 0;
    uint8_t Direction = 1; // 1: with the reactions / clockwise; 0: against / counter-clockwise
    bool operator==(const TLoadEntry&) const = default;
};

// How far the entry of a plane went. The vertical plane starts at the forces.
enum class TPlaneStep { NotStarted, Length, Bearings, Forces, Moments, Calculate, Calculated };

struct TPlaneEntries {
    TPlaneStep Step = TPlaneStep::NotStarted;
    std::vector<TLoadEntry> Entries; // in entry order
    bool operator==(const TPlaneEntries&) const = default;
};

// The dimensioning window's fields as it holds them: texts, because the user may leave any text
// in a field until "Calculate" or "Apply" reads it. The numbers' fields are held with "." as
// the decimal separator, whatever separator the windows show.
struct TDimensioningInputs {
    QString TwistingMoment;    // Mt, N*mm
    QString AllowTwistStress;  // tau at, MPa
    QString StaticStress;      // sigma aI, MPa
    QString PulsatoryStress;   // sigma aII, MPa
    QString AlternatingStress; // sigma aIII, MPa
    QString TorsionCoeff;      // alpha
    QString Material;          // the material box's text
    QString TwistCycle;        // the cycle box's text
    int Theory = 0;            // 0: 3rd strength theory, 1: 5th
    bool Applied = false;      // "Apply" stored them
    QString TwistFrom;         // where Mt starts to act, mm; empty: the shaft's left end
    QString TwistTo;           // where it stops; empty: the right end
    bool operator==(const TDimensioningInputs&) const = default;
};

struct TEditorSettings {
    uint8_t ArcWidth = 2;
    uint8_t ArcMarkWidth = 1;
    uint8_t ArcMarkType = 1;
    uint8_t LineWidth = 2;
    uint8_t LineMarkWidth = 1;
    uint8_t LineMarkType = 1;
    bool operator==(const TEditorSettings&) const = default;
};

struct TOverlaySwitches {
    bool ShowDiameters = false;
    bool ShowRecommended = false;
    bool ShowEqualStrength = false;
    bool operator==(const TOverlaySwitches&) const = default;
};

// Which of the three slice buttons is checked: 32, 16, or the spin editor's value.
enum class TSlicesChoice { Slices32, Slices16, SpinValue };

struct TViewSettings {
    TSlicesChoice Slices = TSlicesChoice::Slices32;
    int SpinSlices = 12;        // 3 to 100
    int RevolutionAngle = 360;  // degrees, 90 to 360
    bool operator==(const TViewSettings&) const = default;
};

// A dimensioning point added in the editor, and how many load entries of both planes had been
// made by then: a later entry at its position finds it there and adds no point of its own. The
// positions of the loads of a vertical plane entered again stay on the shaft; they are kept here
// as well, in the order they came, marked as a load's.
struct TAddedPoint {
    long double Position = 0;
    int AfterEntries = 0;
    bool OfForgottenLoad = false;
    bool operator==(const TAddedPoint&) const = default;
};

// The design file's version: 4 keeps the parts mounted on the shaft and its sense of rotation;
// 3 has every bearing carry load and keeps the locating bearing; 2 holds every number with "."
// and the moment each point was added; 1 is read as well.
constexpr int kDesignVersion = 4;

// The version of the file a design was read from. It tells where the design came from, not what
// it is: two designs alike in everything else are equal whatever files they were read from.
struct TFileVersion {
    int Value = kDesignVersion;
    bool operator==(const TFileVersion&) const { return true; }
};

struct TDesign {
    TFileVersion FileVersion; // set by the reader, never written
    long double ShaftLength = 0;
    TPlaneEntries Horizontal;
    TPlaneEntries Vertical;
    TDimensioningInputs Dimensioning;
    QStringList Profile;                    // the DHL text, one statement a line, "." in numbers
    TEditorSettings Settings;
    std::vector<TAddedPoint> AddedPoints;   // in the order they were added
    std::optional<long double> ResultingDiameter; // of the pre-dimensioning, once it was run
    TOverlaySwitches Overlays;
    TViewSettings View;
    TCheckInputs Check;
    TReportDetails Report;
    // The gears, pulleys, sprockets and couplings: their loads follow the hand entries of each
    // calculated plane. They turn at Check.Speed.
    std::vector<TMachineElement> Elements;
    TShaftRotation Rotation = TShaftRotation::CounterClockwise;
    bool operator==(const TDesign&) const = default;
};

// How the design's shaft runs: the check's operating speed and the design's sense of rotation.
inline TShaftDrive ShaftDriveOf(const TDesign& design) { return {design.Check.Speed, design.Rotation}; }
