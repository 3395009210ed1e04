#include "profile/contour_index.h"

#include "common/number_text.h"

#include <algorithm>
#include <cmath>

long double TAxialSegment::RadiusAt(long double x) const
{
    if (x == x1) return std::fabs(r1);
    if (x == x2) return std::fabs(r2);
    return std::fabs(r1 + (x - x1) * (r2 - r1) / (x2 - x1));
}

TContourIndex::TContourIndex(const TContour& contour)
{
    for (const TContourSegment& s : contour) {
        if (s.X1 < s.X2) segments_.push_back({s.X1, s.R1, s.X2, s.R2});
        if (s.X2 < s.X1) segments_.push_back({s.X2, s.R2, s.X1, s.R1});
    }
    std::sort(segments_.begin(), segments_.end(), [](const TAxialSegment& a, const TAxialSegment& b) { return a.x1 < b.x1; });
    long double reach = -INFINITY;
    for (const TAxialSegment& segment : segments_) reach_.push_back(reach = std::max(reach, segment.x2));
}

// Only the segments left of x whose running reach gets to x can cover it.
std::optional<TAxialSegment> TContourIndex::SegmentAt(long double x) const
{
    const auto after = std::upper_bound(segments_.begin(), segments_.end(), x,
                                        [](long double v, const TAxialSegment& s) { return v < s.x1; });
    std::optional<TAxialSegment> smallest;
    long double smallestRadius = 0;
    for (size_t i = size_t(after - segments_.begin()); i-- > 0 && reach_[i] >= x;) {
        if (segments_[i].x2 < x) continue;
        const long double radius = segments_[i].RadiusAt(x);
        if (smallest && radius >= smallestRadius) continue;
        smallest = segments_[i];
        smallestRadius = radius;
    }
    return smallest;
}

std::optional<long double> TContourIndex::DiameterAt(long double x) const
{
    const std::optional<TAxialSegment> segment = SegmentAt(x);
    if (segment) return 2 * segment->RadiusAt(x);
    return std::nullopt;
}

std::vector<long double> TContourIndex::Breaks() const
{
    std::vector<long double> breaks;
    for (const TAxialSegment& s : segments_) breaks.insert(breaks.end(), {s.x1, s.x2});
    std::sort(breaks.begin(), breaks.end());
    breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());
    return breaks;
}

namespace {

// To a hundredth of a millimetre: an arc's end worked out in floating point would otherwise show
// fifteen digits.
QString Millimetres(long double x) { return FloatToStr(std::round(x * 100) / 100); }

QString FaultText(const QString& fault, long double from, long double to)
{
    return "the outline " + fault + " between x = " + Millimetres(from) + " and " + Millimetres(to) + " mm";
}

} // namespace

QString TContourIndex::OutlineFault() const
{
    for (size_t i = 1; i < segments_.size(); ++i) {
        const long double reach = reach_[i - 1], start = segments_[i].x1;
        if (start > reach) return FaultText("is not closed", reach, start);
        if (start < reach) return FaultText("overlaps itself", start, std::min(reach, segments_[i].x2));
    }
    return QString();
}
