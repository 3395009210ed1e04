// The shoulders of the drawn shaft, where fatigue cracks start: every change of diameter from d
// to D, however the corner is drawn, with the fillet radius drawn in its inner corner. Lengths
// in mm.
#pragma once

#include <QStringList>
#include <vector>

struct TNotch {
    long double Position = 0; // x of the shoulder face, mm
    long double Small = 0;    // d, mm, where the inner corner meets the thinner step
    long double Large = 0;    // D, mm
    long double Radius = 0;   // fillet in the inner corner, mm; 0 for a sharp corner

    // Whether an analysed position falls on the notch (on its face or along its fillet).
    bool Covers(long double x) const;
};

// From the drawing text, in order of position. A shoulder is
// - a vertical line that does not reach the axis, also one of zero length (the corner tool leaves
//   one where a fillet or chamfer takes the whole face), where the diameter changes across it;
// - an inner fillet with no face above it (the face deleted, or never drawn);
// - two horizontal lines at different radii meeting end to start with no face between them.
// The inner fillet is an arc whose circle's centre lies outside the material; a convex edge
// round never gives the notch radius. An arc or a sloped line (a chamfer, or the start of a cone)
// leading on from the face's ends gives the diameter it reaches. A field that does not read fails
// with its message.
std::vector<TNotch> FindNotches(const QStringList& memo);
