// How far the shaft twists between where the torque comes in and where it goes out:
// phi = sum of T dx / (G Ip(x)), Ip = pi d^4 / 32, over the drawn diameters (sources beside the
// sum; units and signs: check/unit_system.h). With elements, T(x) changes from one to the next.
#pragma once

#include "analysis/shaft_torque.h"
#include "profile/verification.h"

#include <QString>

struct TTwistAngle {
    long double From = 0, To = 0;     // mm, the span as used: the two sections that turn most against each other
    long double Degrees = 0;          // phi
    long double DegreesPerMetre = 0;  // phi over the span's length
    bool TooLarge = false;            // beyond the limit per metre
};

// Mt in N*mm, G in MPa, the limit in degrees per metre; open ends of the span are the shaft's
// ends. A span that is empty or not drawn throughout fails with a message that says where.
TTwistAngle TwistAngle(const TContour& contour, long double twistingMoment, const TTwistSpan& span,
                       long double shaftLength, long double shearModulus, long double limitPerMetre);

// The same for T(x): the largest angle between any two sections, which a torque that changes its
// sign along the shaft (a driving element between two driven ones) does not reach at the ends.
// Torques that do not balance fail with their message.
TTwistAngle TwistAngle(const TContour& contour, const TShaftTorque& torque, long double shaftLength,
                       long double shearModulus, long double limitPerMetre);
