// Two edits of the drawing text that a designer makes when a shoulder fails: another fillet in
// the shoulder's inner corner, another diameter for a cylindrical step. Each returns the whole
// new text; statements it does not touch keep their place and their text. Lengths in mm.
#pragma once

#include <QStringList>
#include <optional>

struct TCylinderSpan {
    long double From = 0, To = 0; // mm
};

// Where the cylinder of radius `stepRadius` that runs over x, or ends within `reach` of it, starts
// and ends; none when no such cylinder is drawn.
std::optional<TCylinderSpan> CylinderSpanNear(const QStringList& memo, long double x, long double reach, long double stepRadius);

// The fillet in the inner corner of the shoulder whose face stands at x, over the cylinder of
// radius `stepRadius`, redrawn with radius r by the corner tool on the corner made sharp again.
// None when the shoulder has no face or no cylinder drawn there, or r does not fit the face or
// the cylinder.
std::optional<QStringList> WithFilletRadius(const QStringList& memo, long double x, long double stepRadius, long double r);

// The cylinder of radius `stepRadius` that reaches to within `reach` of x, at `newRadius`: an arc
// leading on from either end moves with it, and the line after it (or the line met directly)
// follows at the end it meets. None when no such cylinder is drawn or a line would turn round.
std::optional<QStringList> WithStepRadius(const QStringList& memo, long double x, long double reach,
                                          long double stepRadius, long double newRadius);
