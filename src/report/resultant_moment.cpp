#include "report/resultant_moment.h"

#include <algorithm>
#include <cmath>

std::vector<TDiagramPoint> MomentLine(const Tav& points, const Tincarcare& terms)
{
    std::vector<TDiagramPoint> line;
    const size_t count = std::min(points.size(), terms.size());
    line.reserve(2 * count);
    for (size_t k = 0; k < count; ++k) {
        line.push_back({terms[k].Position, points[k].Left});
        line.push_back({terms[k].Position, points[k].Right});
    }
    return line;
}

long double MomentAt(const std::vector<TDiagramPoint>& line, long double x, bool right)
{
    // The line runs along x; the stretch that holds x is found by halving.
    const auto byX = [](const TDiagramPoint& point, long double at) { return point.X < at; };
    const auto atOrBeyond = [](long double at, const TDiagramPoint& point) { return at < point.X; };
    const auto next = right ? std::upper_bound(line.begin(), line.end(), x, atOrBeyond)
                            : std::lower_bound(line.begin(), line.end(), x, byX);
    if (next == line.begin() || next == line.end()) return 0;
    const TDiagramPoint &a = *(next - 1), &b = *next;
    return a.Value + (b.Value - a.Value) * (x - a.X) / (b.X - a.X);
}

namespace {

std::vector<long double> Stations(const std::vector<TDiagramPoint>& a, const std::vector<TDiagramPoint>& b)
{
    std::vector<long double> stations;
    for (const auto* line : {&a, &b})
        for (const TDiagramPoint& point : *line) stations.push_back(point.X);
    std::sort(stations.begin(), stations.end());
    stations.erase(std::unique(stations.begin(), stations.end()), stations.end());
    return stations;
}

long double Resultant(const std::vector<TDiagramPoint>& h, const std::vector<TDiagramPoint>& v, long double x, bool right)
{
    return std::hypot(MomentAt(h, x, right), MomentAt(v, x, right));
}

} // namespace

std::vector<TDiagramPoint> ResultantMoment(const std::vector<TDiagramPoint>& horizontal,
                                           const std::vector<TDiagramPoint>& vertical, int between)
{
    const std::vector<long double> stations = Stations(horizontal, vertical);
    std::vector<TDiagramPoint> curve;
    for (size_t i = 0; i < stations.size(); ++i) {
        const long double x = stations[i];
        curve.push_back({x, Resultant(horizontal, vertical, x, false)});
        curve.push_back({x, Resultant(horizontal, vertical, x, true)});
        if (i + 1 == stations.size()) break;
        const long double step = (stations[i + 1] - x) / (between + 1);
        for (int k = 1; k <= between; ++k) curve.push_back({x + k * step, Resultant(horizontal, vertical, x + k * step, true), false});
    }
    return curve;
}
