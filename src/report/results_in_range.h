// A result that a double cannot hold, and so neither the JSON's numbers nor a page's texts, refuses
// its check with the reason instead of reaching the page as "null", "inf" or thousands of digits.
#pragma once

#include "check/fatigue_report.h"
#include "check/shaft_check.h"
#include "profile/verification.h"

void RefuseResultsBeyondRange(TVerification& strength);
void RefuseResultsBeyondRange(TShaftCheck& shaft);
void RefuseResultsBeyondRange(TFatigueReport& report);
