#include "check/shaft_geometry.h"

#include "common/errors.h"
#include "common/number_text.h"

#include <algorithm>
#include <cmath>

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

std::span<const TShaftPiece> TShaftGeometry::PiecesOver(long double a, long double b) const
{
    const auto first = std::upper_bound(Pieces.begin(), Pieces.end(), a,
                                        [](long double v, const TShaftPiece& p) { return v < p.X2; });
    const auto last = std::lower_bound(first, Pieces.end(), b,
                                       [](const TShaftPiece& p, long double v) { return p.X1 < v; });
    return {first, last};
}

std::vector<long double> TShaftGeometry::Faces() const
{
    std::vector<long double> faces;
    for (size_t i = 0; i + 1 < Pieces.size(); ++i)
        if (Pieces[i].R2 != Pieces[i + 1].R1 || Pieces[i].Ri2 != Pieces[i + 1].Ri1) faces.push_back(Pieces[i].X2);
    return faces;
}

TShaftGeometry ShaftGeometry(const TContour& contour, long double from, long double to, const QString& spanned)
{
    const TContourIndex index(contour);
    const QString needed = "the outline must span " + spanned + ", " + RangeText(from, to);
    if (index.Pieces().empty()) RaiseError("Nothing is drawn: " + needed);
    if (const std::optional<TGap> gap = index.FirstGap()) RaiseError("The outline has a gap from " + RangeText(gap->From, gap->To));
    for (const QString& fault : {index.DiameterFault(), index.BoreFault()})
        if (!fault.isEmpty()) RaiseError(fault);
    TShaftGeometry geometry{index.Pieces()};
    if (geometry.Start() > from || geometry.End() < to)
        RaiseError("The outline spans " + RangeText(geometry.Start(), geometry.End()) + ", but " + needed);
    return geometry;
}

int QuadratureParts(const TShaftPiece& piece, long double length)
{
    const auto spread = [](long double a, long double b) { return std::max(a, b) / std::min(a, b); };
    const long double ratio = std::max(spread(piece.R1, piece.R2), spread(piece.R1 - piece.Ri1, piece.R2 - piece.Ri2));
    int parts = 1 + int(std::min(3 * (ratio - 1), 1000.0L));
    if (piece.Curved()) parts = std::max(parts, 1 + int(std::min(16 * length / piece.Drawn.Radius, 1000.0L)));
    return parts;
}
