// What the engineer gives the fatigue check, the twist angle and the bearing lives, kept with
// the design among the shaft checks' inputs.
#pragma once

#include "analysis/load_model.h"
#include "check/bearing_life.h"
#include "check/fatigue_check.h"

#include <QString>
#include <array>
#include <optional>

struct TFatigueInputs {
    std::optional<long double> UltimateStrength; // Sut, MPa; none: the applied material's
    std::optional<long double> YieldStrength;    // Sy, MPa; none: the applied material's
    QString Grade; // the steel grade or own material Sut and Sy were taken from; empty: typed
    std::optional<long double> RulingDiameter; // mm, the blank's, for the grade's band; none: the largest drawn
    TSurface Surface = TSurface::Machined;
    TReliability Reliability = TReliability::Percent50;
    long double FatigueSafety = 1.5;   // required n_f
    long double YieldSafety = 1.5;     // required n_y
    long double ShearModulus = 81000;  // G, MPa
    long double TwistLimit = 0.25;     // degrees per metre
    std::array<TBearingInputs, kBearingLetters> Bearings{}; // A, B, C, ... in the order of entry
    int LocatingBearing = 0; // the one bearing that takes the axial load: 0 for A, 1 for B, ...
    long double RequiredLife = 20000;  // L10h, hours
    bool operator==(const TFatigueInputs&) const = default;
};

// Sut and Sy as typed, else those of the material the dimensioning applied (its name, as the
// design keeps it). Fails when neither gives them.
TFatigueMaterial FatigueMaterialOf(const TFatigueInputs& inputs, const QString& materialName);

const std::array<QString, 2>& BearingKindNames();
