// The bending moment at any cross section, from the moment diagrams the two planes keep; N*mm.
#pragma once

#include "analysis/load_model.h"

// The moment of one plane's diagram at x: linear between neighbouring points; at a point the
// left or right moment of larger magnitude (left on a tie). 0 off the diagram, or for a plane not
// yet calculated (fewer than two points). The points must be sorted by position.
long double PlaneMoment(const Tav& diagram, long double x);

// combine false: the resultant of both planes (never negative); true: the plane moment of larger
// magnitude with its sign (horizontal on a tie).
long double SectionMoment(const Tav& horz, const Tav& vert, bool combine, long double x);

// The solver leaves round-off where a section carries nothing (1e-10 N*mm at a bearing beyond
// the loads), and a check dividing by it reports a safety of 1e16. A moment of at most this
// share of the shaft's largest is no moment. The torque needs no such rule: a section carries
// the twisting moment as given, or none.
constexpr long double kRoundOffShare = 1e-9L;

// The section moments the shaft checks read: SectionMoment, with round-off read as 0.
class TSectionMoments {
public:
    TSectionMoments(const Tav& horz, const Tav& vert, bool combine);
    long double At(long double x) const;

private:
    const Tav& horz_;
    const Tav& vert_;
    bool combine_;
    long double largest_ = 0; // the largest |SectionMoment| along the shaft
};
