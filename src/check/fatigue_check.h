// The fatigue check of the drawn shaft: at every shoulder (and every analysed position between
// them) the fatigue factors of the notch, the endurance limit of the section, the stresses of a
// rotating shaft under the dimensioning's torque cycle, and the safety against fatigue (Goodman)
// and against yielding on the first cycle. Units and signs: check/unit_system.h.
#pragma once

#include "analysis/analysis_state.h"
#include "analysis/shaft_torque.h"
#include "check/endurance.h"
#include "check/notch_finder.h"
#include "check/stress_concentration.h"
#include "diagrams/section_moment.h"
#include "profile/verification.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The cycle of the twisting stress, as the dimensioning's materials list it.
enum class TTwistCycle;

struct TFatigueMaterial {
    long double UltimateStrength = 400; // Sut, MPa
    long double YieldStrength = 235;    // Sy, MPa
    TSurface Surface = TSurface::Machined;
    TReliability Reliability = TReliability::Percent50;
};

struct TFatigueLimits {
    long double FatigueSafety = 1.5; // required n_f
    long double YieldSafety = 1.5;   // required n_y
};

// What the drawing gives the check.
struct TFatigueShaft {
    std::vector<TNotch> Notches;
    TContour Contour;
};

struct TFatigueRow {
    long double Position = 0;
    bool Shoulder = false;
    long double Small = 0;  // d, mm: the section's diameter
    long double Large = 0;  // D, mm; d at a plain section
    long double Bore = 0;   // mm, 0 for a solid section
    long double Radius = 0; // r, mm, as the fits used it: estimated for a sharp corner
    bool Sharp = false;
    TConcentration Bending, Torsion;
    long double Q = 0, Qs = 0;   // notch sensitivity
    long double Kf = 1, Kfs = 1; // fatigue factors
    TEndurance Endurance;
    long double Moment = 0, Torque = 0; // N*mm
    long double SigmaA = 0, SigmaM = 0, TauA = 0, TauM = 0; // MPa
    long double VonMisesA = 0, VonMisesM = 0;               // MPa
    std::optional<long double> FatigueSafety, YieldSafety;  // none where the section is unloaded
    bool Computed = false;
    QString Reason; // why nothing is computed

    bool Fails(const TFatigueLimits& limits) const;
};

struct TFatigueCheck {
    std::vector<TFatigueRow> Rows;      // in order of position
    std::optional<size_t> Weakest;      // the row of the smallest n_f
};

// Works out one row at a time from its sizes (d, D, r) and loads: the check does it at every row,
// and a row can be tried again with other sizes, another material or other loads.
class TFatigueSection {
public:
    TFatigueSection(const TAnalysisState& analysis, const TData& data, TTwistCycle cycle, const TFatigueMaterial& material);

    // The moment and torque at the row's position, then the row worked out.
    void Compute(TFatigueRow& row) const;
    // The row worked out from the moment and torque it holds. A figure that cannot be computed
    // leaves the row uncomputed with the reason.
    void Evaluate(TFatigueRow& row) const;

private:
    void Concentrate(TFatigueRow& row) const;
    void Stress(TFatigueRow& row) const;
    void Judge(TFatigueRow& row) const;

    const TAnalysisState& analysis_;
    const TData& data_;
    TTwistCycle cycle_;
    TFatigueMaterial material_;
    TSectionMoments moments_; // round-off is no moment: an unloaded section has no n_f
    TShaftTorque torque_;
};

// A row for every notch and for every entry of `Points` where no notch lies. A row that cannot be
// computed says why; only an outline that crosses or reaches the axis, or leaves the range of
// drawn diameters, is refused as a whole, naming the place.
TFatigueCheck CheckFatigue(const TAnalysisState& analysis, const TData& data, TTwistCycle cycle,
                           const TFatigueShaft& shaft, const TFatigueMaterial& material);

QStringList FatigueHeadings();
// The cells of a row in the order of the headings; the last says what the numbers rest on.
QStringList FatigueCells(const TFatigueRow& row);
// "Weakest notch: shoulder at x = 40 mm, n_f = 1.21", or why there is none.
QString WeakestNotchText(const TFatigueCheck& check);
