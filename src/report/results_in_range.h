// A result that a double cannot hold, and so neither the JSON's numbers nor a page's texts, refuses
// its check with the reason instead of reaching the page as "null", "inf" or thousands of digits.
#pragma once

#include "check/fatigue_report.h"
#include "check/stiffness_and_speed.h"
#include "profile/verification.h"

void RefuseResultsBeyondRange(TVerification& strength);
void RefuseResultsBeyondRange(TStiffnessAndSpeed& shaft);
void RefuseResultsBeyondRange(TFatigueReport& report);
