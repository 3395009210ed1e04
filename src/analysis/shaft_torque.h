// The twisting moment every check reads at a section: the elements' T(x) when the shaft carries
// elements, else the dimensioning's Mt over its span. One rule, so that the required diameters,
// the fatigue rows, the twist and the pre-sizing never disagree about the torque.
#pragma once

#include "analysis/analysis_state.h"

#include <QString>
#include <vector>

// A stretch of the shaft that carries one torque, N*mm.
struct TTorqueStretch {
    long double From = 0, To = 0; // mm
    long double Torque = 0;       // N*mm
};

struct TShaftTorque {
    long double Moment = 0;         // Mt, N*mm, over Span while the shaft has no elements
    TTwistSpan Span;
    TElementDrive Drive;            // the elements' T(x), N*m; its steps replace Mt and Span

    bool FromElements() const { return !Drive.Steps.empty() || !Drive.Balanced; }
    // T at x, N*mm. Exactly at an element the larger |T| of its two sides: a section placed on
    // the element is judged on the side that is loaded more.
    long double At(long double x) const;
    // The largest |T| along the shaft, N*mm.
    long double Largest() const;
    // The stretches that carry a torque, in order; the span of Mt within 0 ... shaftLength.
    std::vector<TTorqueStretch> Stretches(long double shaftLength) const;
    // Why no check may read the torque (the elements' torques do not balance), or an empty text.
    QString Problem() const;
    bool operator==(const TShaftTorque&) const = default;
};

// TorquesUnbalancedText when the elements' torques do not balance, else an empty text.
QString UnbalancedTorqueProblem(const TElementDrive& drive);

TShaftTorque ShaftTorqueOf(const TAnalysisState& analysis, const TData& data);

// N*m of the elements to the N*mm the checks work in.
constexpr long double kNewtonMillimetresPerNewtonMetre = 1000;
