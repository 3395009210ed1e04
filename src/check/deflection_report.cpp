#include "check/deflection_report.h"

#include "common/errors.h"
#include "common/number_text.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Each elastic line is a smooth cubic-like curve between its joints, and the joints lie close:
// the start and the middle of each stretch find the stretch of the largest value for the search.
constexpr int kSamplesPerInterval = 2;
constexpr int kRefinements = 80;

std::vector<long double> Samples(const TShaftDeflection& deflection, long double from, long double to)
{
    std::vector<long double> joints{from, to};
    for (const TPlaneDeflection* plane : {&deflection.Horizontal, &deflection.Vertical})
        for (const TElasticInterval& interval : plane->Intervals())
            if (interval.X1 > from && interval.X1 < to) joints.push_back(interval.X1);
    std::sort(joints.begin(), joints.end());
    joints.erase(std::unique(joints.begin(), joints.end()), joints.end());
    std::vector<long double> samples;
    for (size_t i = 0; i + 1 < joints.size(); ++i)
        for (int j = 0; j < kSamplesPerInterval; ++j)
            samples.push_back(joints[i] + (joints[i + 1] - joints[i]) * j / kSamplesPerInterval);
    samples.push_back(to);
    return samples;
}

// Golden-section search for the largest value between two samples around the best one.
long double Refine(const TShaftDeflection& deflection, long double a, long double b)
{
    const auto value = [&](long double x) { return deflection.Resultant(x).Deflection; };
    const long double ratio = (std::sqrt(5.0L) - 1) / 2;
    long double c = b - ratio * (b - a), d = a + ratio * (b - a);
    long double fc = value(c), fd = value(d);
    for (int i = 0; i < kRefinements && b - a > 0; ++i) {
        if (fc >= fd) {
            b = d, d = c, fd = fc;
            c = b - ratio * (b - a), fc = value(c);
        } else {
            a = c, c = d, fc = fd;
            d = a + ratio * (b - a), fd = value(d);
        }
    }
    return fc >= fd ? c : d;
}

TDeflectionRow Figure(const TShaftDeflection& deflection, const QString& label, TFigureKind kind, long double x,
                      long double limit)
{
    const TElasticPoint h = deflection.Horizontal.At(x), v = deflection.Vertical.At(x);
    const bool slope = kind == TFigureKind::Slope;
    TDeflectionRow row{label, kind, x, slope ? h.Slope : h.Deflection, slope ? v.Slope : v.Deflection, 0, limit, false};
    row.Resultant = CheckedValue(std::hypot(row.Horizontal, row.Vertical));
    row.Exceeds = row.Resultant > limit;
    return row;
}

QString Millimetres(long double value) { return FormatFloat("0.0000", value); }

QString Radians(long double value)
{
    const long double arcMinutes = value * 180 * 60 / std::numbers::pi_v<long double>;
    return FormatFloat("0.000000", value) + " (" + FormatFloat("0.00", arcMinutes) + "')";
}

} // namespace

TLargest LargestDeflection(const TShaftDeflection& deflection, long double from, long double to)
{
    const std::vector<long double> samples = Samples(deflection, from, to);
    size_t best = 0;
    long double bestValue = -1;
    for (size_t i = 0; i < samples.size(); ++i) {
        const long double value = deflection.Resultant(samples[i]).Deflection;
        if (value > bestValue) best = i, bestValue = value;
    }
    const long double a = samples[best == 0 ? 0 : best - 1], b = samples[std::min(best + 1, samples.size() - 1)];
    const long double refined = Refine(deflection, a, b);
    const long double refinedValue = deflection.Resultant(refined).Deflection;
    if (refinedValue > bestValue) return {refined, refinedValue};
    return {samples[best], bestValue};
}

std::vector<TDeflectionRow> DeflectionRows(const TStiffnessInputs& inputs, const std::vector<long double>& loads,
                                           const TDeflectionLimits& limits)
{
    const TShaftDeflection& d = inputs.Deflection;
    std::vector<TDeflectionRow> rows{Figure(d, "Slope at bearing A", TFigureKind::Slope, inputs.BearingA, limits.Slope),
                                     Figure(d, "Slope at bearing B", TFigureKind::Slope, inputs.BearingB, limits.Slope)};
    for (long double x : loads) rows.push_back(Figure(d, "Deflection at the load", TFigureKind::Deflection, x, limits.Deflection));
    const long double left = std::min(inputs.BearingA, inputs.BearingB), right = std::max(inputs.BearingA, inputs.BearingB);
    const auto largest = [&](const QString& label, long double from, long double to) {
        rows.push_back(Figure(d, label, TFigureKind::Deflection, LargestDeflection(d, from, to).Position, limits.Deflection));
    };
    largest("Largest deflection between the bearings", left, right);
    if (inputs.Shaft.Start() < left) largest("Largest deflection, left overhang", inputs.Shaft.Start(), left);
    if (inputs.Shaft.End() > right) largest("Largest deflection, right overhang", right, inputs.Shaft.End());
    return rows;
}

QStringList DeflectionHeadings()
{
    return {"", "x [mm]", "horizontal", "vertical", "resultant", "allowed"};
}

QStringList DeflectionCells(const TDeflectionRow& row)
{
    const auto text = row.Kind == TFigureKind::Slope ? Radians : Millimetres;
    return {row.Label, FormatFloat("0.00", row.Position), text(row.Horizontal), text(row.Vertical),
            text(row.Resultant), text(row.Limit)};
}
