// The drawn shaft as a table of its steps along the axis: each cylinder, cone, fillet and edge
// round with where it starts and ends, its diameters and its bore's, as a checker reads a shaft
// drawing. A step is cut where the bore changes, so that each row has one bore line.
#pragma once

#include "check/shaft_geometry.h"

#include <QStringList>
#include <vector>

enum class TStepKind { Cylinder, Cone, Fillet, EdgeRound };

struct TProfileStep {
    long double From = 0, To = 0;                 // mm along the axis
    long double DiameterFrom = 0, DiameterTo = 0; // mm
    QString Form; // "cylinder", "cone 2 x 45 deg", "fillet R 1.5", "edge round R 2"
    TStepKind Kind = TStepKind::Cylinder;
    long double Radius = 0; // mm, of a fillet or an edge round
    long double BoreFrom = 0, BoreTo = 0; // mm, diameters of the bore; 0 where the step is solid

    bool Hollow() const { return BoreFrom > 0 || BoreTo > 0; }
};

// A stretch of the bore along one straight line, over one step or several: a bore of one
// diameter, or a taper.
struct TBoreRun {
    long double From = 0, To = 0;                 // mm along the axis
    long double DiameterFrom = 0, DiameterTo = 0; // mm
};

// The bore's runs, left to right; none for a solid shaft.
std::vector<TBoreRun> BoreRuns(const std::vector<TProfileStep>& steps);

// A cone's angle to the axis, degrees to a tenth, as a chamfer is dimensioned.
long double ConeAngle(const TProfileStep& step);

// One step for each piece of the outline; the chords of one arc make one step.
std::vector<TProfileStep> ProfileSteps(const TShaftGeometry& shaft);
// The steps of a drawing over its whole length; fails with the outline's fault.
std::vector<TProfileStep> DrawnSteps(const QStringList& profile, uint8_t arcSteps);

// Whether any step is bored: only then has the table a bore column.
bool AnyHollow(const std::vector<TProfileStep>& steps);
QStringList ProfileStepHeadings(bool hollow);
// "40.00", "40.00 - 44.00" from the left end to the right; the bore's cell empty on a solid step.
QStringList ProfileStepCells(const TProfileStep& step, bool hollow);
