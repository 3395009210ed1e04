// The rules of the load entry: the names of the new terms, each shaft position kept once, and
// the byte counters, which refuse a 256th item instead of wrapping around.
#pragma once

#include "analysis/analysis_state.h"

inline const QString kTooManyBearings = QStringLiteral("Nu se pot introduce mai mult de 255 de reazeme !");
inline const QString kTooManyForces = QStringLiteral("Nu se pot introduce mai mult de 255 de forte !");
inline const QString kTooManyMoments = QStringLiteral("Nu se pot introduce mai mult de 255 de momente !");
inline const QString kTooManyPoints =
    QStringLiteral("Nu se pot introduce mai mult de 255 de pozitii distincte pe arbore !");

// "RHA" ... "RHH" (horizontal) or "RVA" ... "RVH" for the bearings 0 to 7; empty beyond.
QString BearingName(int index, bool horizontal);

// Each Add stores its term and its position (when new) and returns the term, or fails with a
// message before anything is stored.
Tvector AddBearing(TAnalysisState& state, long double position, bool horizontal);
Tvector AddForce(TAnalysisState& state, long double position, long double value, bool up, bool horizontal);
Tvector AddMoment(TAnalysisState& state, long double position, long double value, bool clockwise,
                  bool horizontal);

// A new shaft: the full reset, and the positions of the previous shaft forgotten as well, so
// that they never reach the profile editor.
void StartShaft(TAnalysisState& state);

// The vertical plane keeps the bearings; the first two take the vertical names.
void RenameBearingsVertical(Tincarcare& reactions);

// A plane that starts again keeps only the first point of its old diagram.
void KeepFirstEntry(Tav& diagram);
