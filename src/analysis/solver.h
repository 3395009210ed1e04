// "Calculate" for one plane: the reactions of the bearings, the shear and bending moment along the
// shaft, their maxima and the plane's diagram. Two bearings: the two equilibrium equations. Three
// or more: the stiffness method on the shaft's beam model, with the section the caller knows best.
#pragma once

#include "analysis/analysis_state.h"
#include "analysis/continuous_beam.h"
#include "analysis/load_entry.h"

inline const QString kBearingsCoincide =
    QStringLiteral("Reazemele A si B trebuie sa fie in pozitii diferite !");
inline const QString kBearingAMissing = QStringLiteral("Reazemul A nu a fost introdus !");
inline const QString kBearingBMissing = QStringLiteral("Reazemul B nu a fost introdus !");

// What a shaft on three or more bearings is solved with; two bearings read none of it.
struct TPlaneSupports {
    std::array<long double, kBearingLetters> Stiffness{}; // radial, N/mm; 0: rigid
    TBeamSection Section;
    TReactionSection Made; // how the page names the section, and what it was made from
};

// Solves the plane that data.Oriz() names (True: horizontal) and stores its results in `state`
// and its maximum moment and critical section in `data`. Bad inputs or a result out of range
// fail with a message before anything is changed, so the press can be repeated after a fix.
void SolvePlane(TAnalysisState& state, TData& data, const TPlaneSupports& supports = {});

// kBearingsCoincide for the pair A and B, and as it reads for any other pair ("Reazemele A si C").
QString BearingsCoincideText(int first, int second);
