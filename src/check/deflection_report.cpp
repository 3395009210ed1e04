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

QChar Letter(size_t bearing) { return QChar('A' + int(bearing)); }

// The bearings' order of entry, sorted by where they stand.
std::vector<size_t> AlongTheShaft(const std::vector<long double>& bearings)
{
    std::vector<size_t> order(bearings.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return bearings[a] < bearings[b]; });
    return order;
}

// A load off the bearings lies inside exactly one stretch; one at a stretch's end belongs to it.
const TStretch& StretchAt(const std::vector<TStretch>& stretches, long double x)
{
    for (const TStretch& stretch : stretches)
        if (x >= stretch.From && x <= stretch.To) return stretch;
    return stretches.front();
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

std::vector<TStretch> Stretches(const TShaftGeometry& shaft, const std::vector<long double>& bearings, long double ratio)
{
    const std::vector<size_t> order = AlongTheShaft(bearings);
    std::vector<TStretch> stretches;
    for (size_t i = 0; i + 1 < order.size(); ++i) {
        const long double from = bearings[order[i]], to = bearings[order[i + 1]];
        stretches.push_back({QString("span %1-%2").arg(Letter(order[i]), Letter(order[i + 1])), from, to, ratio * (to - from)});
    }
    const long double left = bearings[order.front()], right = bearings[order.back()];
    if (shaft.Start() < left)
        stretches.push_back({"overhang left of " + QString(Letter(order.front())), shaft.Start(), left,
                             ratio * 2 * (left - shaft.Start())});
    if (shaft.End() > right)
        stretches.push_back({"overhang right of " + QString(Letter(order.back())), right, shaft.End(),
                             ratio * 2 * (shaft.End() - right)});
    return stretches;
}

std::vector<TDeflectionRow> DeflectionRows(const TStiffnessInputs& inputs, const std::vector<long double>& loads,
                                           const TDeflectionLimits& limits)
{
    const TShaftDeflection& d = inputs.Deflection;
    std::vector<TDeflectionRow> rows;
    for (size_t i = 0; i < inputs.Bearings.size(); ++i)
        rows.push_back(Figure(d, "Slope at bearing " + QString(Letter(i)), TFigureKind::Slope, inputs.Bearings[i], limits.Slope));
    const std::vector<TStretch> stretches = Stretches(inputs.Shaft, inputs.Bearings, limits.Ratio);
    for (long double x : loads) {
        const TStretch& stretch = StretchAt(stretches, x);
        rows.push_back(Figure(d, "Deflection at the load, " + stretch.Name, TFigureKind::Deflection, x, stretch.Limit));
    }
    for (const TStretch& stretch : stretches)
        rows.push_back(Figure(d, "Largest deflection, " + stretch.Name, TFigureKind::Deflection,
                              LargestDeflection(d, stretch.From, stretch.To).Position, stretch.Limit));
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
