// The drawn shaft as a table of its steps along the axis: each cylinder, cone, fillet and edge
// round with where it starts and ends and its diameters, as a checker reads a shaft drawing.
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
};

// A cone's angle to the axis, degrees to a tenth, as a chamfer is dimensioned.
long double ConeAngle(const TProfileStep& step);

// One step for each piece of the outline; the chords of one arc make one step.
std::vector<TProfileStep> ProfileSteps(const TShaftGeometry& shaft);
// The steps of a drawing over its whole length; fails with the outline's fault.
std::vector<TProfileStep> DrawnSteps(const QStringList& profile, uint8_t arcSteps);

QStringList ProfileStepHeadings();
QStringList ProfileStepCells(const TProfileStep& step);
