// Everything the fatigue page shows, worked out in one go from the analysis, the drawing, the
// dimensioning as applied and the page's inputs: the notch table, the twist angle over the
// torque's span and the life of every bearing. Units and signs: check/unit_system.h.
#pragma once

#include "check/check_inputs.h"
#include "check/check_request.h"
#include "check/fatigue_check.h"
#include "check/twist_angle.h"

#include <QString>
#include <array>

// What the dimensioning window applied, by the texts the design keeps of its boxes.
struct TAppliedDimensioning {
    QString Material;
    QString TwistCycle;
    bool operator==(const TAppliedDimensioning&) const = default;
};

// The cycle by its name in the dimensioning's list; none for a name it does not hold.
std::optional<TTwistCycle> CycleNamed(const QString& name);

struct TFatigueReport {
    TFatigueCheck Fatigue;
    TFatigueLimits Limits;
    QString FatigueProblem; // why there is no table, or an empty text
    TTwistAngle Twist;
    QString TwistProblem;
    std::vector<TBearingLife> Bearings; // A, B, C, ...: the shaft's bearings, A and B at least
};

TFatigueReport MakeFatigueReport(const TAnalysisState& analysis, const TData& data, const TAppliedDimensioning& applied,
                                 const QStringList& memo, uint8_t arcSteps, const TCheckInputs& inputs);

// "Twist over x = 0 ... 200 mm: 0.049 deg, 0.247 deg/m (limit 0.25 deg/m)"
QString TwistAngleText(const TTwistAngle& twist, long double limit);
// "P = 3000.00 N, L10 = 1000.00 million revolutions, L10h = 16666.67 h", or the problem.
QString BearingLifeText(const TBearingLife& life);
// "Bearing C: " + the text above, for the bearing of that index (0: A).
QString NamedBearingLifeText(size_t index, const TBearingLife& life);

// All a fatigue page is made from, so that an unchanged one is not worked out again.
struct TFatigueRequest {
    TCheckRequest Shaft;
    std::vector<long double> Numbers; // MT, MM, the span, the points, the bearings and their reactions
    TAppliedDimensioning Applied;
    TElementDrive Drive; // T(x) and the axial force, which replace MT and its span
    bool operator==(const TFatigueRequest&) const = default;
};

TFatigueRequest MakeFatigueRequest(const TAnalysisState& analysis, const TData& data, const TAppliedDimensioning& applied,
                                   const QStringList& memo, uint8_t arcSteps, const TCheckInputs& inputs);
