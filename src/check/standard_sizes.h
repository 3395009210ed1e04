// The standard sizes a designer picks from when a shoulder or a step has to change: fillet
// radii, preferred diameters for free steps and the bore sizes of rolling bearings. mm.
#pragma once

#include <vector>

// DIN 250:2002, radii, first series: 0.2 to 25 mm, rising.
const std::vector<long double>& StandardFilletRadii();

// The rounded preferred numbers Ra40 (ISO 3:1973 series R40, rounded values of ISO 497:1973),
// every decade from 1 mm up to 1000 mm, rising.
const std::vector<long double>& PreferredDiameters();

// Rolling-bearing bores (ISO 15:2017, bore codes 00 to 96): 10, 12, 15, 17, then every 5 mm
// from 20 to 480 mm, rising.
const std::vector<long double>& BearingBores();
