// The rules of the load entry.
#include "analysis/load_entry.h"

#include "common/errors.h"
#include "common/number_text.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kFullCounter = 255;

void RefuseWhenFull(int count, const QString& message, int most = kFullCounter)
{
    if (count >= most) RaiseError(message);
}

bool IsNewPoint(const TAnalysisState& state, long double position)
{
    for (const TShaftPoint& point : state.Points)
        if (point.Position == position) return false;
    return true;
}

// A load off the shaft gets no lever arm in the equations and no column on the page; a
// position whose column cannot be computed is just as far off.
void RefuseOutsideShaft(const TAnalysisState& state, long double position)
{
    const bool onShaft = position >= 0 && position <= state.ShaftLength;
    if (!onShaft || !std::isfinite(position * 500)) RaiseError(kPositionOutside);
}

// Checks the position and every counter the Add will raise before the Add stores anything.
void RefuseBeforeStoring(const TAnalysisState& state, int count, const QString& message, long double position,
                         int most = kFullCounter)
{
    RefuseOutsideShaft(state, position);
    RefuseWhenFull(count, message, most);
    if (IsNewPoint(state, position)) RefuseWhenFull(state.PointCount, kTooManyPoints);
}

void KeepPoint(TAnalysisState& state, long double position, uint8_t bearing)
{
    if (!IsNewPoint(state, position)) return;
    state.Points.push_back({bearing, position});
    ++state.PointCount;
}

} // namespace

QString TermName(const char* prefix, bool horizontal, uint8_t count)
{
    return QString(prefix) + (horizontal ? "H" : "V") + IntToStr(count + 1);
}

QString BearingName(int index, bool horizontal)
{
    if (index < 0 || index >= kBearingLetters) return QString();
    return QString(horizontal ? "RH" : "RV") + QChar('A' + index);
}

void ApplyShaftLength(TAnalysisState& state, long double length)
{
    if (!(length > 0)) RaiseError(kShaftLengthMissing);
    state.ShaftLength = length;
}

int ShaftBearingCount(const TAnalysisState& state)
{
    return std::clamp(int(state.BearingCount), 2, kBearingLetters);
}

// Every bearing has a letter, A to H, and a reaction of its own.
Tvector AddBearing(TAnalysisState& state, long double position, bool horizontal)
{
    RefuseBeforeStoring(state, state.BearingCount, kTooManyBearings, position, kBearingLetters);
    KeepPoint(state, position, 1);
    const Tvector bearing{BearingName(state.BearingCount, horizontal), 1, 'f', position, 0, 1, 0};
    state.Reactions.push_back(bearing);
    if (bearing.Name != "RHA" && bearing.Name != "RVA") state.ReactionSumText += "+";
    state.ReactionSumText += bearing.Name;
    ++state.BearingCount;
    return bearing;
}

Tvector AddForce(TAnalysisState& state, long double position, long double value, bool up, bool horizontal)
{
    RefuseBeforeStoring(state, state.ForceCount, kTooManyForces, position);
    KeepPoint(state, position, 0);
    const Tvector force{TermName("F", horizontal, state.ForceCount), 0, 'f', position, value, uint8_t(up), 0};
    state.Forces.push_back(force);
    ++state.ForceCount;
    return force;
}

Tvector AddMoment(TAnalysisState& state, long double position, long double value, bool clockwise,
                  bool horizontal)
{
    RefuseBeforeStoring(state, state.MomentCount, kTooManyMoments, position);
    KeepPoint(state, position, 0);
    const Tvector moment{TermName("M", horizontal, state.MomentCount), 0, 'm', position, value,
                         uint8_t(clockwise), 0};
    state.Moments.push_back(moment);
    ++state.MomentCount;
    return moment;
}

void KeepLoadPosition(TAnalysisState& state, long double position)
{
    RefuseOutsideShaft(state, position);
    if (IsNewPoint(state, position)) RefuseWhenFull(state.PointCount, kTooManyPoints);
    KeepPoint(state, position, 0);
}

void StartShaft(TAnalysisState& state)
{
    ResetFullPlane(state);
    state.Points.clear();
    state.PointCount = 0;
}

void RenameBearingsVertical(Tincarcare& reactions)
{
    for (size_t i = 0; i < reactions.size(); ++i) reactions[i].Name = BearingName(int(i), false);
}

void KeepFirstEntry(Tav& diagram)
{
    if (diagram.size() > 1) diagram.resize(1);
}
