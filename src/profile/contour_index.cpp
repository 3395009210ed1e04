#include "profile/contour_index.h"

#include "common/number_text.h"

#include <algorithm>
#include <cmath>

namespace {

// The drawn y at x (negative below the axis), on the line or on the arc's circle.
long double DrawnAt(const TContourSegment& s, long double x)
{
    if (x == s.X1) return s.R1;
    if (x == s.X2) return s.R2;
    if (s.Side != 0) {
        const long double dx = x - s.CX;
        return s.CY + s.Side * std::sqrt(std::max(0.0L, s.Radius * s.Radius - dx * dx));
    }
    return s.R1 + (x - s.X1) * (s.R2 - s.R1) / (s.X2 - s.X1);
}

TShaftPiece PieceOf(const TContourSegment& s, long double a, long double b)
{
    return {a, b, std::fabs(DrawnAt(s, a)), std::fabs(DrawnAt(s, b)), s};
}

// Where f changes sign between a and b, f(a) and f(b) of opposite signs.
template <class Function>
long double ZeroBetween(const Function& f, long double a, long double b)
{
    const bool rising = f(a) < 0;
    for (int i = 0; i < 200 && a < b; ++i) {
        const long double middle = a + (b - a) / 2;
        if (middle == a || middle == b) break;
        ((f(middle) < 0) == rising ? a : b) = middle;
    }
    return a + (b - a) / 2;
}

// Where two overlapping lines cross between two stations: there the thinner one changes.
std::vector<long double> Crossings(const std::vector<const TContourSegment*>& cover, long double a, long double b)
{
    std::vector<long double> crossings{a, b};
    for (size_t i = 0; i < cover.size(); ++i)
        for (size_t j = i + 1; j < cover.size(); ++j) {
            const auto gap = [&](long double x) { return std::fabs(DrawnAt(*cover[i], x)) - std::fabs(DrawnAt(*cover[j], x)); };
            if ((gap(a) < 0 && gap(b) > 0) || (gap(a) > 0 && gap(b) < 0)) crossings.push_back(ZeroBetween(gap, a, b));
        }
    return SortedStations(std::move(crossings));
}

const TContourSegment* ThinnestAt(const std::vector<const TContourSegment*>& cover, long double x)
{
    const TContourSegment* thinnest = cover.front();
    for (const TContourSegment* s : cover)
        if (std::fabs(DrawnAt(*s, x)) < std::fabs(DrawnAt(*thinnest, x))) thinnest = s;
    return thinnest;
}

// How many segments lie over each stretch between neighbouring stations, and the first of them.
struct TCover {
    const TContourSegment* First = nullptr;
    int Count = 0;
};

std::vector<TCover> Covers(const std::vector<TContourSegment>& segments, const std::vector<long double>& stations)
{
    std::vector<TCover> covers(stations.size() - 1);
    for (const TContourSegment& s : segments) {
        size_t i = size_t(std::lower_bound(stations.begin(), stations.end(), s.X1) - stations.begin());
        for (; i + 1 < stations.size() && stations[i + 1] <= s.X2; ++i)
            if (covers[i].Count++ == 0) covers[i].First = &s;
    }
    return covers;
}

// Lines drawn over each other are rare: where they are, each is looked for again.
std::vector<const TContourSegment*> Overlapping(const std::vector<TContourSegment>& segments, long double a, long double b)
{
    std::vector<const TContourSegment*> over;
    for (const TContourSegment& s : segments)
        if (s.X1 <= a && s.X2 >= b) over.push_back(&s);
    return over;
}

std::vector<TShaftPiece> ThinnestPieces(const std::vector<TContourSegment>& segments)
{
    std::vector<long double> ends;
    for (const TContourSegment& s : segments) ends.insert(ends.end(), {s.X1, s.X2});
    const std::vector<long double> stations = SortedStations(std::move(ends));
    std::vector<TShaftPiece> pieces;
    if (stations.size() < 2) return pieces;
    const std::vector<TCover> covers = Covers(segments, stations);
    pieces.reserve(stations.size());
    for (size_t i = 0; i + 1 < stations.size(); ++i) {
        const long double a = stations[i], b = stations[i + 1];
        if (covers[i].Count == 1) pieces.push_back(PieceOf(*covers[i].First, a, b));
        if (covers[i].Count < 2) continue;
        const std::vector<const TContourSegment*> over = Overlapping(segments, a, b);
        const std::vector<long double> parts = Crossings(over, a, b);
        for (size_t j = 0; j + 1 < parts.size(); ++j)
            pieces.push_back(PieceOf(*ThinnestAt(over, (parts[j] + parts[j + 1]) / 2), parts[j], parts[j + 1]));
    }
    return pieces;
}

// To a hundredth of a millimetre: an arc's end worked out in floating point would otherwise show
// fifteen digits.
QString Millimetres(long double x) { return FloatToStr(std::round(x * 100) / 100); }

QString FaultText(const QString& fault, long double from, long double to)
{
    return "the outline " + fault + " between x = " + Millimetres(from) + " and " + Millimetres(to) + " mm";
}

// Where y of one drawn segment is largest and smallest: at its ends, or where its arc turns.
std::vector<long double> Extremes(const TContourSegment& s)
{
    if (s.Side != 0 && s.CX > s.X1 && s.CX < s.X2) return {s.X1, s.CX, s.X2};
    return {s.X1, s.X2};
}

QString SegmentDiameterFault(const TContourSegment& s)
{
    const std::vector<long double> xs = Extremes(s);
    for (size_t i = 0; i + 1 < xs.size(); ++i) {
        const long double a = DrawnAt(s, xs[i]), b = DrawnAt(s, xs[i + 1]);
        if ((a < 0 && b > 0) || (a > 0 && b < 0))
            return "The outline crosses the axis at x = " +
                   Millimetres(ZeroBetween([&](long double x) { return DrawnAt(s, x); }, xs[i], xs[i + 1])) + " mm";
    }
    for (long double x : xs)
        if (DrawnAt(s, x) == 0) return "The outline reaches the axis at x = " + Millimetres(x) + " mm";
    for (long double x : xs) {
        const long double diameter = 2 * std::fabs(DrawnAt(s, x));
        if (!(diameter >= kLeastDiameter && diameter <= kLargestDiameter))
            return "The drawn diameter at x = " + Millimetres(x) + " mm must be from " + FloatToStr(kLeastDiameter) +
                   " to " + FloatToStr(kLargestDiameter) + " mm";
    }
    return QString();
}

// Non-vertical segments, left end first, sorted by it.
std::vector<TContourSegment> LeftToRight(const TContour& contour, bool bore)
{
    std::vector<TContourSegment> segments;
    for (const TContourSegment& s : contour) {
        if (s.Bore != bore) continue;
        if (s.X1 < s.X2) segments.push_back(s);
        if (s.X2 < s.X1) {
            TContourSegment turned = s;
            std::swap(turned.X1, turned.X2), std::swap(turned.R1, turned.R2);
            segments.push_back(turned);
        }
    }
    std::sort(segments.begin(), segments.end(), [](const TContourSegment& a, const TContourSegment& b) { return a.X1 < b.X1; });
    return segments;
}

// The pieces cut where a bore line ends, each with the bore that runs through it.
std::vector<TShaftPiece> WithBore(const std::vector<TShaftPiece>& pieces, const std::vector<TContourSegment>& bores)
{
    std::vector<long double> ends;
    for (const TContourSegment& bore : bores) ends.insert(ends.end(), {bore.X1, bore.X2});
    const std::vector<long double> stations = SortedStations(std::move(ends));
    std::vector<TShaftPiece> cut;
    for (const TShaftPiece& piece : pieces) {
        long double from = piece.X1;
        auto station = std::upper_bound(stations.begin(), stations.end(), from);
        while (from < piece.X2) {
            const long double to = station != stations.end() && *station < piece.X2 ? *station++ : piece.X2;
            TShaftPiece part = piece.Between(from, to);
            if (const TContourSegment* bore = WidestBoreOver(bores, from, to)) part.Ri1 = DrawnAt(*bore, from), part.Ri2 = DrawnAt(*bore, to);
            cut.push_back(part);
            from = to;
        }
    }
    return cut;
}

} // namespace

long double TShaftPiece::BoreAt(long double x) const
{
    if (x == X1 || Ri1 == Ri2) return Ri1;
    if (x == X2) return Ri2;
    return Ri1 + (x - X1) * (Ri2 - Ri1) / (X2 - X1);
}

TShaftPiece TShaftPiece::Between(long double a, long double b) const
{
    TShaftPiece part = *this;
    part.X1 = a, part.X2 = b;
    part.R1 = RadiusAt(a), part.R2 = RadiusAt(b);
    part.Ri1 = BoreAt(a), part.Ri2 = BoreAt(b);
    return part;
}

long double TShaftPiece::RadiusAt(long double x) const
{
    if (x == X1) return R1;
    if (x == X2) return R2;
    return std::fabs(DrawnAt(Drawn, x));
}

std::vector<long double> SortedStations(std::vector<long double> positions)
{
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    return positions;
}

TContourIndex::TContourIndex(const TContour& contour) : segments_(LeftToRight(contour, false)), bores_(LeftToRight(contour, true))
{
    long double reach = -INFINITY;
    for (const TContourSegment& segment : segments_) reach_.push_back(reach = std::max(reach, segment.X2));
    pieces_ = ThinnestPieces(segments_);
    if (!bores_.empty()) pieces_ = WithBore(pieces_, bores_);
}

// At a station the pieces on both sides reach x: the smaller radius wins.
std::optional<TShaftPiece> TContourIndex::SegmentAt(long double x) const
{
    auto piece = std::lower_bound(pieces_.begin(), pieces_.end(), x, [](const TShaftPiece& p, long double v) { return p.X2 < v; });
    std::optional<TShaftPiece> smallest;
    for (; piece != pieces_.end() && piece->X1 <= x; ++piece)
        if (!smallest || piece->RadiusAt(x) < smallest->RadiusAt(x)) smallest = *piece;
    return smallest;
}

std::optional<long double> TContourIndex::DiameterAt(long double x) const
{
    const std::optional<TShaftPiece> piece = SegmentAt(x);
    if (piece) return 2 * piece->RadiusAt(x);
    return std::nullopt;
}

const TContourSegment* WidestBoreOver(const std::vector<TContourSegment>& bores, long double a, long double b)
{
    const TContourSegment* widest = nullptr;
    const long double middle = a + (b - a) / 2;
    for (const TContourSegment& bore : bores) {
        const bool over = bore.X1 != bore.X2 && std::min(bore.X1, bore.X2) <= a && std::max(bore.X1, bore.X2) >= b;
        if (over && (!widest || DrawnAt(bore, middle) > DrawnAt(*widest, middle))) widest = &bore;
    }
    return widest;
}

long double BoreDiameterAt(const std::vector<TContourSegment>& bores, long double x)
{
    long double widest = 0;
    for (const TContourSegment& bore : bores)
        if (std::min(bore.X1, bore.X2) <= x && std::max(bore.X1, bore.X2) >= x && bore.X1 != bore.X2)
            widest = std::max(widest, DrawnAt(bore, x));
    return 2 * widest;
}

long double TContourIndex::BoreDiameterAt(long double x) const { return ::BoreDiameterAt(bores_, x); }

std::optional<TGap> TContourIndex::FirstGap() const
{
    for (size_t i = 1; i < segments_.size(); ++i)
        if (segments_[i].X1 > reach_[i - 1]) return TGap{reach_[i - 1], segments_[i].X1};
    return std::nullopt;
}

QString TContourIndex::OutlineFault() const
{
    for (size_t i = 1; i < segments_.size(); ++i) {
        const long double reach = reach_[i - 1], start = segments_[i].X1;
        if (start > reach) return FaultText("is not closed", reach, start);
        if (start < reach) return FaultText("overlaps itself", start, std::min(reach, segments_[i].X2));
    }
    QString fault = DiameterFault();
    if (fault.isEmpty()) fault = BoreFault();
    return fault.isEmpty() ? fault : fault.left(1).toLower() + fault.mid(1);
}

QString TContourIndex::BoreFault() const
{
    for (const TContourSegment& bore : bores_)
        for (long double x : {bore.X1, bore.X2}) {
            if (DrawnAt(bore, x) < 0) return "The bore crosses the axis at x = " + Millimetres(x) + " mm";
            if (pieces_.empty() || x < pieces_.front().X1 || x > pieces_.back().X2)
                return "The bore runs past the outline's end at x = " + Millimetres(x) + " mm";
        }
    for (const TShaftPiece& piece : pieces_)
        for (long double x : {piece.X1, piece.X1 + (piece.X2 - piece.X1) / 2, piece.X2})
            if (piece.Hollow() && piece.BoreAt(x) >= piece.RadiusAt(x))
                return "The bore is as wide as the outline or wider at x = " + Millimetres(x) + " mm";
    return QString();
}

QString TContourIndex::DiameterFault() const
{
    for (const TContourSegment& s : segments_) {
        const QString fault = SegmentDiameterFault(s);
        if (!fault.isEmpty()) return fault;
    }
    return QString();
}
