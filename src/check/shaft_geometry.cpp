#include "check/shaft_geometry.h"

#include "common/errors.h"
#include "common/number_text.h"

#include <algorithm>
#include <cmath>

namespace {

std::vector<TShaftPiece> AlongTheAxis(const TContour& contour)
{
    std::vector<TShaftPiece> segments;
    for (const TContourSegment& s : contour) {
        if (s.X1 < s.X2) segments.push_back({s.X1, s.X2, std::fabs(s.R1), std::fabs(s.R2)});
        if (s.X2 < s.X1) segments.push_back({s.X2, s.X1, std::fabs(s.R2), std::fabs(s.R1)});
    }
    return segments;
}

std::vector<long double> Joints(const std::vector<TShaftPiece>& segments)
{
    std::vector<long double> joints;
    for (const TShaftPiece& s : segments) joints.insert(joints.end(), {s.X1, s.X2});
    std::sort(joints.begin(), joints.end());
    joints.erase(std::unique(joints.begin(), joints.end()), joints.end());
    return joints;
}

// Between neighbouring joints, the segment thinnest at the middle; none where nothing is drawn.
std::vector<const TShaftPiece*> Thinnest(const std::vector<TShaftPiece>& segments, const std::vector<long double>& joints)
{
    std::vector<const TShaftPiece*> thinnest(joints.size() - 1, nullptr);
    for (const TShaftPiece& s : segments) {
        size_t i = size_t(std::lower_bound(joints.begin(), joints.end(), s.X1) - joints.begin());
        for (; i + 1 < joints.size() && joints[i + 1] <= s.X2; ++i) {
            const long double middle = (joints[i] + joints[i + 1]) / 2;
            if (!thinnest[i] || s.RadiusAt(middle) < thinnest[i]->RadiusAt(middle)) thinnest[i] = &s;
        }
    }
    return thinnest;
}

} // namespace

QString RangeText(long double from, long double to)
{
    return "x = " + FloatToStr(from) + " to " + FloatToStr(to) + " mm";
}

const TShaftPiece& TShaftGeometry::PieceAt(long double x) const
{
    const auto after = std::lower_bound(Pieces.begin(), Pieces.end(), x,
                                        [](const TShaftPiece& p, long double v) { return p.X2 < v; });
    return after == Pieces.end() ? Pieces.back() : *after;
}

TShaftGeometry ShaftGeometry(const TContour& contour, long double from, long double to)
{
    const std::vector<TShaftPiece> segments = AlongTheAxis(contour);
    const QString needed = "the outline must span the bearings and the loads, " + RangeText(from, to);
    if (segments.empty()) RaiseError("Nothing is drawn: " + needed);
    const std::vector<long double> joints = Joints(segments);
    const std::vector<const TShaftPiece*> thinnest = Thinnest(segments, joints);
    TShaftGeometry geometry;
    for (size_t i = 0; i < thinnest.size(); ++i) {
        const long double a = joints[i], b = joints[i + 1];
        if (!thinnest[i]) RaiseError("The outline has a gap from " + RangeText(a, b));
        const TShaftPiece piece{a, b, thinnest[i]->RadiusAt(a), thinnest[i]->RadiusAt(b)};
        if (!(piece.R1 > 0) || !(piece.R2 > 0)) RaiseError("The outline reaches the axis at " + RangeText(a, b));
        geometry.Pieces.push_back(piece);
    }
    if (geometry.Start() > from || geometry.End() < to)
        RaiseError("The outline spans " + RangeText(geometry.Start(), geometry.End()) + ", but " + needed);
    return geometry;
}
