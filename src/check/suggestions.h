// What to change where the shaft check fails: for each failing row (or the weakest one when all
// pass) the smallest standard fillet and the smallest standard diameter that make it pass, the
// weakest standard grade that does, and, for the row that governs, which inputs its figure
// depends on most. Only the rows concerned are worked out again; nothing changes the drawing.
// Lengths in mm, strengths in MPa.
#pragma once

#include "check/check_inputs.h"
#include "check/fatigue_check.h"
#include "check/fatigue_report.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct TSuggestionInputs {
    const TAnalysisState& Analysis;
    const TData& Data;
    TTwistCycle Cycle;
    const QStringList& Memo;
    uint8_t ArcSteps = 20;
    const TCheckInputs& Inputs;
    const std::vector<long double>& Loads; // where the loads stand: the deflection is judged there
    const TFatigueMaterial& Material;
    const TFatigueCheck& Fatigue;          // the check as made, whose rows are the starting point
    long double RulingDiameter = 0;        // the grades' strength band; 0: no grade is suggested
};

// What fails first at a row: n_f, n_y, or the drawn diameter against the required one.
enum class TGoverning { Fatigue, Yield, Strength };

struct TSizeSuggestion {
    std::optional<long double> Size; // mm; none when no standard size fits
    long double Figure = 0;          // the row's governing figure with it
    QString Note;                    // a limit left unchecked, or why none fits
    QStringList Drawing;             // the drawing with it; empty when none fits
};

struct TGradeSuggestion {
    std::optional<size_t> Grade;                         // in SteelGrades(); none when none passes
    long double UltimateStrength = 0, YieldStrength = 0; // the grade's band at the ruling diameter
    long double Figure = 0;
    QString Note;
};

struct TInfluence {
    QString Input;          // "diameter", "fillet radius", "Sut", "bending moment", "torque"
    long double Change = 0; // relative change of the figure when the input is 10 % larger
};

struct TRowSuggestions {
    long double Position = 0;
    bool Shoulder = false;
    bool Seat = false; // the section's cylinder carries a bearing
    bool Fails = false;
    TGoverning Governing = TGoverning::Fatigue;
    long double Figure = 0, Required = 0; // n_f, n_y or drawn / required diameter, and its limit
    long double Small = 0, Large = 0, Radius = 0; // as drawn; r as the fits used it
    bool Sharp = false;                           // a shoulder without a fillet
    std::optional<TSizeSuggestion> Fillet;        // at a shoulder
    TSizeSuggestion Diameter;
    std::optional<TGradeSuggestion> Grade;        // where the material counts
    std::vector<TInfluence> Influences;           // the three largest, at the governing row only
};

struct TSuggestions {
    std::vector<TRowSuggestions> Rows; // the weakest first
    size_t MoreFailing = 0;            // failing rows beyond those listed
};

// Rows the fatigue check could not compute get no suggestion. Nothing fails.
TSuggestions SuggestChanges(const TSuggestionInputs& inputs);

// The suggestions for a fatigue page as it was made, with the cycle and material the
// dimensioning applied; none while the page has no table.
struct TPageSuggestionInputs {
    const TAnalysisState& Analysis;
    const TData& Data;
    const TAppliedDimensioning& Applied;
    const QStringList& Memo;
    uint8_t ArcSteps = 20;
    const TCheckInputs& Inputs;
    const std::vector<long double>& Loads;
    long double RulingDiameter = 0;
};
TSuggestions SuggestForFatiguePage(const TFatigueReport& report, const TPageSuggestionInputs& page);
