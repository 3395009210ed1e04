// Everything a shaft check is worked out from. The editor redraws at every pointer move; an
// unchanged request lets the open window keep the check it shows instead of working it out again.
#pragma once

#include "analysis/analysis_state.h"
#include "check/check_inputs.h"

#include <QStringList>
#include <cstdint>
#include <vector>

struct TCheckRequest {
    QStringList Memo;
    uint8_t ArcSteps = 0;
    std::vector<long double> Analysis; // both diagrams and the bearings, flattened
    std::vector<long double> Loads;
    TCheckInputs Inputs;
    bool operator==(const TCheckRequest&) const = default;
};

TCheckRequest MakeCheckRequest(const TAnalysisState& analysis, const std::vector<long double>& loads,
                               const QStringList& memo, uint8_t arcSteps, const TCheckInputs& inputs);
