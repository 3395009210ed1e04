// The rating life of every bearing under the resultant of its reactions in both planes: the
// basic rating life of ISO 281:2007 at 90 % reliability. Loads in N, ratings in kN, speeds in rpm.
#pragma once

#include "analysis/load_model.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

enum class TBearingKind { Ball, Roller };

struct TBearingInputs {
    TBearingKind Kind = TBearingKind::Ball;
    long double Rating = 0; // dynamic load rating C, kN
    long double Stiffness = 0; // radial, N/mm; 0: rigid. Only the deflection and the critical speed read it
    // The dynamic equivalent load's factors, P = X Fr + Y Fa, from the maker's table: one pair
    // while Fa / Fr <= e, the other beyond. X = 1, Y = 0 count the radial load alone.
    long double XUpToE = 1, YUpToE = 0;
    long double XBeyondE = 1, YBeyondE = 0;
    long double E = 0;
    bool operator==(const TBearingInputs&) const = default;
};

// The radial load a bearing carries: the resultant of its horizontal and vertical reactions, N.
long double ResultantReaction(double horizontal, double vertical);

using TBearingReactions = std::array<double, kBearingLetters>; // A, B, C, ... in the order of entry, N

// The resultant loads of the first `count` bearings from their reactions in both planes, N. A
// load of at most a billionth of the largest one is the solver's round-off, as for the section
// moments (diagrams/section_moment.h): such a bearing is unloaded rather than given an endless life.
std::vector<long double> BearingLoads(const TBearingReactions& horizontal, const TBearingReactions& vertical, int count);

struct TBearingLife {
    long double Load = 0;                   // P, N
    long double Axial = 0;                  // Fa, N
    std::optional<long double> Revolutions; // L10, millions; none for an unloaded bearing
    std::optional<long double> Hours;       // L10h
    QString Problem;                        // why there is no life, or an empty text
    bool Short = false;                     // below the required hours
    bool Unloaded = false;                  // no load: no life to check
};

// L10 = (C / P)^p in millions of revolutions, p = 3 for ball and 10/3 for roller bearings
// (ISO 281:2007, basic rating life); L10h = 10^6 L10 / (60 n) hours at the speed n (rpm).
TBearingLife BearingLife(long double load, const TBearingInputs& bearing, long double speed, long double requiredHours);
// The same under a radial load Fr and an axial load Fa (N, its magnitude), by way of the dynamic
// equivalent load P = X Fr + Y Fa.
TBearingLife BearingLife(long double radial, long double axial, const TBearingInputs& bearing, long double speed,
                         long double requiredHours);

// P = X Fr + Y Fa with the pair of factors for Fa / Fr <= e or beyond, N (ISO 281:2007, 6.2;
// Shigley's Mechanical Engineering Design, 10th ed., eq. 11-9). A purely axial load is beyond e.
long double EquivalentLoad(long double radial, long double axial, const TBearingInputs& bearing);
