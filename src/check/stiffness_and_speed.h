// The stiffness and critical-speed checks of the drawn shaft, from what the analysis keeps:
// both planes' moment diagrams, every bearing with its reaction, the load positions and the contour.
#pragma once

#include "analysis/analysis_state.h"
#include "check/check_inputs.h"
#include "check/deflection_report.h"

#include <optional>

struct TDeflectionCheck {
    QString Problem; // why there is no result, or empty
    std::optional<TShaftGeometry> Shaft;
    TShaftDeflection Deflection;
    std::vector<long double> Bearings; // where each stands, A first, in the order of entry
    std::vector<TDeflectionRow> Rows;
};

struct TSpeedCheck {
    QString Problem;
    int BearingCount = 0; // the supports, A first
    std::optional<long double> CriticalSpeed; // rpm
    std::optional<long double> Ratio;         // operating / critical, once a speed is given
    bool NearResonance = false;               // ratio between 0.7 and 1.3
};

struct TStiffnessAndSpeed {
    TDeflectionCheck Deflection;
    TSpeedCheck Speed;
};

// Nothing fails: a check that cannot be made says why in its Problem.
TStiffnessAndSpeed CheckStiffnessAndSpeed(const TAnalysisState& analysis, const std::vector<long double>& loads,
                       const TContour& contour, const TCheckInputs& inputs);

// The slope and deflection alone, for trying another drawing without the critical speed.
TDeflectionCheck CheckStiffness(const TAnalysisState& analysis, const std::vector<long double>& loads,
                                const TContour& contour, const TCheckInputs& inputs);

// "Bearings on springs: A 200000 N/mm, B rigid, C rigid" for the first `bearingCount` bearings,
// or an empty text while all of them are rigid.
QString BearingStiffnessText(const TCheckInputs& inputs, int bearingCount);

// "n_cr = 4350 rpm", and the ratio to the operating speed, or why there is none.
QString CriticalSpeedText(const TSpeedCheck& check);
QString SpeedRatioText(const TSpeedCheck& check);
