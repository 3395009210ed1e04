// The diameter the strength table requires at each of its sections against the diameter drawn
// along the shaft, on paper, the sections too thin marked red.
#pragma once

#include "profile/verification.h"
#include "report/profile_steps.h"
#include "report/report_layout.h"

// Nothing where no section has a required diameter.
std::vector<TBlock> DiameterPlotBlocks(const TTypeface& type, const TVerification& strength,
                                       const std::vector<TProfileStep>& steps);
