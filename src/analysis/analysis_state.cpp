#include "analysis/analysis_state.h"

TAnalysisState Analysis;

namespace {

// Stores `value` only when it differs; returns whether it changed.
template <class T>
bool StoreChanged(T& field, T value)
{
    if (field == value) return false;
    field = value;
    return true;
}

void ResetPlaneResults(TAnalysisState& state)
{
    state.Forces.clear();
    state.Moments.clear();
    state.ForceTerms.clear();
    state.MomentTerms.clear();
    state.ForceCount = 0;
    state.MomentCount = 0;
    state.ElementForceNames.clear();
    state.ElementMomentNames.clear();
    for (QString* text : {&state.ForceListText, &state.MomentListText, &state.ForceEqText,
                          &state.ForceEqValues, &state.MomentEqText, &state.MomentEqValues})
        text->clear();
    state.ForceRhs = state.MomentRhs = state.PosA = state.PosB = 0;
    state.EqMatrix = {};
    state.Det = state.DetA = state.DetB = 0;
    state.PageLine = 420;
    state.ShearPoints.clear();
    state.MomentPoints.clear();
    state.Fmax = 0;
    state.Mmax = 0;
    state.CriticalX = 0;
    state.CriticalSection = 0;
}

} // namespace

TData::TData(QObject* owner) : QObject(owner)
{
    SetVertMom(2);
    SetHorzMom(1);
    SetMaxMom(2);
    SetOriz(false);
    SetMM(false);
    SetT3(false);
    SetVSect(6);
    SetHSect(3);
    SetSP(6);
}

void TData::RecomputeMaximum()
{
    if (vertMom_ > horzMom_) {
        maxMom_ = vertMom_;
        sp_ = vSect_;
    } else {
        maxMom_ = horzMom_;
        sp_ = hSect_;
    }
}

void TData::SetVertMom(long double value)
{
    if (StoreChanged(vertMom_, value)) RecomputeMaximum();
}

void TData::SetHorzMom(long double value)
{
    if (StoreChanged(horzMom_, value)) RecomputeMaximum();
}

void TData::SetVSect(uint8_t value)
{
    if (StoreChanged(vSect_, value)) RecomputeMaximum();
}

void TData::SetHSect(uint8_t value)
{
    if (StoreChanged(hSect_, value)) RecomputeMaximum();
}

void TData::SetMaxMom(long double value) { StoreChanged(maxMom_, value); }
void TData::SetMT(long double value) { StoreChanged(mt_, value); }
void TData::SetDPred(long double value) { StoreChanged(dPred_, value); }
void TData::SetOriz(bool value) { StoreChanged(oriz_, value); }
void TData::SetMM(bool value) { StoreChanged(mm_, value); }
void TData::SetT3(bool value) { StoreChanged(t3_, value); }
void TData::SetSP(uint8_t value) { StoreChanged(sp_, value); }

void InitialiseEntryState(TAnalysisState& state)
{
    state.HorzDiagramCount = state.VertDiagramCount = 0;
    state.PointCount = state.BearingCount = state.ForceCount = state.MomentCount = 0;
    state.ReactionSumText.clear();
    state.PageLine = 420;
    state.NumFormat = "0.00";
}

void ResetFullPlane(TAnalysisState& state)
{
    ResetPlaneResults(state);
    state.Reactions.clear();
    state.BearingCount = 0;
    state.ShaftLength = 0;
    state.ReactionSumText.clear();
}

void ResetPartialPlane(TAnalysisState& state)
{
    ResetPlaneResults(state);
    // The plane's letter only: bearing H stays H (RHH becomes RVH, not RVV).
    state.ReactionSumText.replace(QLatin1String("RH"), QLatin1String("RV"));
}
