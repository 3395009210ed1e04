// "Calculate" for one plane: the reactions of bearings A and B from the two equilibrium
// equations, the shear and bending moment along the shaft, their maxima and the plane's diagram.
#pragma once

#include "analysis/analysis_state.h"
#include "analysis/load_entry.h"

inline const QString kBearingAMissing = QStringLiteral("Reazemul A nu a fost introdus !");
inline const QString kBearingBMissing = QStringLiteral("Reazemul B nu a fost introdus !");
inline const QString kBearingsCoincide =
    QStringLiteral("Reazemele A si B trebuie sa fie in pozitii diferite !");

// Solves the plane that data.Oriz() names (True: horizontal) and stores its results in `state`
// and its maximum moment and critical section in `data`. Bad inputs or a result out of range
// fail with a message before anything is changed, so the press can be repeated after a fix.
void SolvePlane(TAnalysisState& state, TData& data);
