// The rules of the load entry: a positive length, positions on the shaft, the names of the new
// terms, each shaft position kept once, at most eight bearings (A to H), and the byte counters,
// which refuse a 256th item instead of wrapping around.
#pragma once

#include "analysis/analysis_state.h"

inline const QString kShaftLengthMissing =
    QStringLiteral("Lungimea arborelui trebuie sa fie mai mare decat zero !");
inline const QString kPositionOutside = QStringLiteral("Pozitia trebuie sa se afle intre limitele existente !");
inline const QString kTooManyBearings = QStringLiteral("Nu se pot introduce mai mult de 8 reazeme !");
inline const QString kTooManyForces = QStringLiteral("Nu se pot introduce mai mult de 255 de forte !");
inline const QString kTooManyMoments = QStringLiteral("Nu se pot introduce mai mult de 255 de momente !");
inline const QString kTooManyPoints =
    QStringLiteral("Nu se pot introduce mai mult de 255 de pozitii distincte pe arbore !");

// "RHA" ... "RHH" (horizontal) or "RVA" ... "RVH" for the bearings 0 to 7; empty beyond.
QString BearingName(int index, bool horizontal);

// The name of the force ("F") or moment ("M") that follows `count` of its kind in the plane:
// FH1, FH2, ... or MV1, ...
QString TermName(const char* prefix, bool horizontal, uint8_t count);

// The length of a new shaft; 0 or less is refused before it is stored.
void ApplyShaftLength(TAnalysisState& state, long double length);

// The bearings the shaft's checks look at: the entered ones, and A and B at least, so that a
// life asked for before the bearings are entered is reported as not made instead of skipped.
int ShaftBearingCount(const TAnalysisState& state);

// Each Add refuses a position outside 0...ShaftLength (the page could not place it), then
// stores its term and its position (when new) and returns the term. A refusal stores nothing.
Tvector AddBearing(TAnalysisState& state, long double position, bool horizontal);
Tvector AddForce(TAnalysisState& state, long double position, long double value, bool up, bool horizontal);
Tvector AddMoment(TAnalysisState& state, long double position, long double value, bool clockwise,
                  bool horizontal);

// The position of a load that is listed no more (the vertical plane entered again forgets its
// loads, not their positions), kept as the Add kept it: once, refused where an Add refuses it.
void KeepLoadPosition(TAnalysisState& state, long double position);

// A new shaft: the full reset, and the positions of the previous shaft forgotten as well, so
// that they never reach the profile editor.
void StartShaft(TAnalysisState& state);

// The vertical plane keeps the bearings, each under its vertical name (RVA ... RVH).
void RenameBearingsVertical(Tincarcare& reactions);

// A plane that starts again keeps only the first point of its old diagram.
void KeepFirstEntry(Tav& diagram);
