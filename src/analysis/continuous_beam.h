// The reactions of a shaft on two to eight bearings in one plane, rigid or elastic: a continuous
// beam solved by the stiffness method (Euler-Bernoulli bending, no shear deformation).
//
// Signs are the solver's: forces count positive in the sense of the reactions, so that
// sum(reactions) + sum(forces) = 0; a couple counts positive clockwise on the page; the bending
// moment at x is the sum over the terms left of x of F (x - position) plus their clockwise couples,
// and the beam bends by v'' = M / E I with v positive in the reactions' sense.
#pragma once

#include <functional>
#include <vector>

struct TBeamSupport {
    long double Position = 0;  // mm from the shaft's left end
    long double Stiffness = 0; // radial stiffness, N/mm; 0: rigid
};

struct TBeamLoad {
    long double Position = 0; // mm
    long double Force = 0;    // N, positive in the sense the reactions are counted
    long double Couple = 0;   // N*mm, positive clockwise on the page
};

struct TBeamSection {
    std::vector<long double> Joints; // x where the section's description changes (steps, fillet ends)
    // Flexural rigidity E*I at x, N*mm^2; smooth between Joints. Empty: a uniform beam with E*I = 1
    // (its reactions on rigid supports do not depend on E*I).
    std::function<long double(long double)> Rigidity;
};

// The reactions of the supports, in their given order, N. Loads may lie anywhere along the shaft;
// `section.Rigidity` is read only between the outermost supports, where the beam is indeterminate.
// Fails with a message when fewer than two supports are given, when two share a position, when a
// stiffness is negative, or when an elastic support comes with a uniform section of unknown E*I.
std::vector<long double> SupportReactions(const std::vector<TBeamSupport>& supports,
                                          const std::vector<TBeamLoad>& loads,
                                          const TBeamSection& section);
