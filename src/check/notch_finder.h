// The shoulders of the drawn shaft, where fatigue cracks start: every step from a diameter d to
// a diameter D, with the fillet radius drawn in its inner corner.
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

// From the drawing text, in order of position. A shoulder is a vertical line that does not reach
// the axis, or two horizontal lines at different radii meeting end to start with no such line
// between them. An arc ending on the shoulder's lower end is its fillet; an arc or a chamfer
// line leading on from an end gives the diameter it reaches. A field that does not read fails
// with its message.
std::vector<TNotch> FindNotches(const QStringList& memo);
