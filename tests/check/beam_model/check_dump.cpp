// Checks the shafts read from standard input and writes the program's answers for
// check_beam.py to hold against its own beam model.
//   in:  L E density, then "n" and n times "pos k" (the bearings in the order of entry, their radial
//        stiffness in N/mm, 0 rigid), then "n" and n profile lines, then for each plane "n" and n times
//        "kind pos value direction" (kind f or m), then "n" and n times "pos kg" (masses), then "n"
//        and n positions, then "n" and n times "pos T" (T(x) of the shaft's elements, N*m).
//   out: one line per position "x yH yV slopeH slopeV", then "ncr rpm", then "twist degrees"; or
//        "refused <message>".
#include "analysis/analysis_state.h"
#include "analysis/load_entry.h"
#include "analysis/solver.h"
#include "check/plane_supports.h"
#include "check/stiffness_and_speed.h"
#include "check/twist_angle.h"
#include "common/errors.h"
#include "common/number_text.h"

#include <cstdio>
#include <iostream>
#include <string>

namespace {

constexpr uint8_t kArcSteps = 20;
constexpr long double kShearModulus = 81000; // MPa, as the model takes it

long double Next(std::istream& in)
{
    std::string token;
    in >> token;
    return StrToFloat(QString::fromStdString(token));
}

// Three bearings and more are solved on the drawn section, as "Calculate" does once it is drawn.
void EnterPlane(std::istream& in, TAnalysisState& state, bool horizontal, std::vector<long double>& loads,
                const QStringList& profile, const TCheckInputs& inputs)
{
    const int count = int(Next(in));
    for (int i = 0; i < count; ++i) {
        std::string kind;
        in >> kind;
        const long double position = Next(in), value = Next(in);
        const bool up = Next(in) == 1;
        if (kind == "m") AddMoment(state, position, value, up, horizontal);
        else AddForce(state, position, value, up, horizontal);
        loads.push_back(position);
    }
    TData data;
    data.SetOriz(horizontal);
    SolvePlane(state, data, PlaneSupports(state, {profile, kArcSteps, 0}, inputs));
}

QStringList ReadProfile(std::istream& in)
{
    QStringList profile;
    for (int i = 0, n = int(Next(in)); i < n; ++i) {
        std::string line;
        in >> line;
        profile << QString::fromStdString(line).replace('_', ' ');
    }
    return profile;
}

void CheckAndPrint(std::istream& in)
{
    TAnalysisState state;
    StartShaft(state);
    ApplyShaftLength(state, Next(in));
    TCheckInputs inputs;
    inputs.Modulus = Next(in);
    inputs.Density = Next(in);
    for (int i = 0, n = int(Next(in)); i < n; ++i) {
        AddBearing(state, Next(in), true);
        inputs.Fatigue.Bearings[size_t(i)].Stiffness = Next(in);
    }
    const QStringList profile = ReadProfile(in);
    std::vector<long double> loads;
    EnterPlane(in, state, true, loads, profile, inputs);
    ResetPartialPlane(state);
    RenameBearingsVertical(state.Reactions);
    EnterPlane(in, state, false, loads, profile, inputs);
    for (int i = 0, n = int(Next(in)); i < n; ++i) inputs.Masses.push_back({Next(in), Next(in)});
    const TStiffnessAndSpeed check = CheckStiffnessAndSpeed(state, loads, DrawnContour(profile, kArcSteps), inputs);
    if (!check.Deflection.Problem.isEmpty()) RaiseError(check.Deflection.Problem);
    if (!check.Speed.CriticalSpeed) RaiseError(check.Speed.Problem);
    for (int i = 0, n = int(Next(in)); i < n; ++i) {
        const long double x = Next(in);
        const TElasticPoint h = check.Deflection.Deflection.Horizontal.At(x), v = check.Deflection.Deflection.Vertical.At(x);
        std::printf("%.17Lg %.17Lg %.17Lg %.17Lg %.17Lg\n", x, h.Deflection, v.Deflection, h.Slope, v.Slope);
    }
    std::printf("ncr %.17Lg\n", *check.Speed.CriticalSpeed);
    TShaftTorque torque;
    for (int i = 0, n = int(Next(in)); i < n; ++i) torque.Drive.Steps.push_back({Next(in), Next(in)});
    const TTwistAngle twist = TwistAngle(DrawnContour(profile, kArcSteps), torque, state.ShaftLength, kShearModulus, 1);
    std::printf("twist %.17Lg\n", twist.Degrees);
}

} // namespace

int main()
{
    SetDecimalSeparator('.');
    try {
        CheckAndPrint(std::cin);
    } catch (const KorvelError& error) {
        std::printf("refused %s\n", qPrintable(error.Text()));
    }
    return 0;
}
