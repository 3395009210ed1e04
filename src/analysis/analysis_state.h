// The analysis state that more than one window reads or writes: the TData component of the
// navigation panel, and the load model, results and diagrams of the current analysis.
#pragma once

#include "analysis/load_model.h"
#include "analysis/torque_line.h"
#include "analysis/twist_span.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

// Flags and scalar results consulted by the later stages. Every setter stores only a changed
// value; a change of VertMom, HorzMom, VSect or HSect recomputes MaxMom and SP (a tie takes the
// horizontal plane).
class TData : public QObject {
    Q_OBJECT
public:
    // Applies the stored initial values of the navigation panel through the setters.
    explicit TData(QObject* owner = nullptr);

    long double VertMom() const { return vertMom_; }
    long double HorzMom() const { return horzMom_; }
    long double MaxMom() const { return maxMom_; }
    long double MT() const { return mt_; }
    long double DPred() const { return dPred_; }
    bool Oriz() const { return oriz_; }
    bool MM() const { return mm_; }
    bool T3() const { return t3_; }
    uint8_t VSect() const { return vSect_; }
    uint8_t HSect() const { return hSect_; }
    uint8_t SP() const { return sp_; }

    void SetVertMom(long double value);
    void SetHorzMom(long double value);
    void SetMaxMom(long double value);
    void SetMT(long double value);
    void SetDPred(long double value);
    void SetOriz(bool value);
    void SetMM(bool value);
    void SetT3(bool value);
    void SetVSect(uint8_t value);
    void SetHSect(uint8_t value);
    void SetSP(uint8_t value);

private:
    void RecomputeMaximum();

    long double vertMom_ = 0;
    long double horzMom_ = 0;
    long double maxMom_ = 0;
    long double mt_ = 0;
    long double dPred_ = 0;
    bool oriz_ = false;
    bool mm_ = false;
    bool t3_ = false;
    uint8_t vSect_ = 0;
    uint8_t hSect_ = 0;
    uint8_t sp_ = 0;
};

// One point of the revolution profile: x along the axis (relative to the first point), r radius.
struct TProfilePoint {
    long double x = 0;
    long double r = 0;
};
using TModel = std::vector<TProfilePoint>;

// The section that a plane's reactions on three or more bearings were made with: its name on the
// page ("drawn section") and a key of everything it was made from, so that a later change of the
// drawing or of the bearings' stiffness shows. Empty for two bearings, whose reactions need none.
struct TReactionSection {
    QString Name;
    QString Key;
    bool operator==(const TReactionSection&) const = default;
};

struct TAnalysisState {
    // Load model of the plane being entered.
    Tincarcare Reactions;
    uint8_t BearingCount = 0;
    Tincarcare Forces;
    uint8_t ForceCount = 0;
    Tincarcare Moments; // entered moments; "Calculate" appends the derived terms and sorts it
    uint8_t MomentCount = 0;
    Tincarcare ForceTerms;
    Tincarcare MomentTerms; // Moments as sorted by "Calculate"
    // The loads that the shaft's elements put in this plane come last in Forces and in Moments,
    // entered just before "Calculate"; each keeps its element's name ("gear 1") for the lists.
    QStringList ElementForceNames;
    QStringList ElementMomentNames;
    TPuncte Points;         // distinct shaft positions, shared by both planes
    uint8_t PointCount = 0;
    long double ShaftLength = 0;

    // Texts of the report.
    QString ForceListText;
    QString MomentListText;
    QString ReactionSumText;
    QString ForceEqText;
    QString ForceEqValues;
    QString MomentEqText;
    QString MomentEqValues;

    // Equilibrium equations and reactions (doubles, as stored).
    double ForceRhs = 0;
    double MomentRhs = 0;
    double PosA = 0;
    double PosB = 0;
    std::array<double, 4> EqMatrix{};
    double Det = 0;
    double DetA = 0;
    double DetB = 0;
    // The reaction of each bearing, in the order of entry (A, B, C, ...), N.
    std::array<double, kBearingLetters> HorzReactions{};
    std::array<double, kBearingLetters> VertReactions{};
    TReactionSection HorzSection;
    TReactionSection VertSection;

    // Results of the current plane.
    Tav2 ShearPoints;
    Tav MomentPoints;
    long double Fmax = 0;
    long double Mmax = 0;
    int16_t CriticalX = 0;
    uint8_t CriticalSection = 0;

    // The moment diagram of each plane, kept for the later stages.
    Tav HorzDiagram;
    Tav VertDiagram;
    uint8_t HorzDiagramCount = 0;
    uint8_t VertDiagramCount = 0;

    int16_t PageLine = 420; // y of the next text line of the report
    QString NumFormat = "0.00";

    // Values handed on by the dimensioning window and the 3D build.
    long double TorsionCoeff = 0;
    long double AllowBendStress = 0;
    TTwistSpan TwistSpan; // the whole shaft until a span is applied
    TElementDrive ElementDrive; // T(x) and the axial force of the shaft's elements, if it has any
    TModel ProfilePoints;
    long double ProfileSpan = 0;
};

extern TAnalysisState Analysis;

// The counters and texts set when the initial-data window is created.
void InitialiseEntryState(TAnalysisState& state);
// Start of a new shaft (horizontal plane): loads, bearings, length and results emptied.
void ResetFullPlane(TAnalysisState& state);
// Start of the vertical plane: as the full reset, but the length, the bearings and the point
// list stay, and the reaction sum text takes the vertical names ("RHA" becomes "RVA").
void ResetPartialPlane(TAnalysisState& state);
