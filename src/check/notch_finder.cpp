#include "check/notch_finder.h"

#include "profile/arc_circle.h"
#include "profile/dhl_statement.h"

#include <algorithm>
#include <cmath>

namespace {

// Points typed by hand and points written by the tools meet to well within this.
constexpr long double kSameMm = 1e-6L;

struct TEnd {
    long double x, r;
};

bool Meets(const TEnd& a, const TEnd& b)
{
    return std::fabs(a.x - b.x) <= kSameMm && std::fabs(a.r - b.r) <= kSameMm;
}

enum class TPieceKind { Sloped, InnerFillet, EdgeRound };

// A piece that can lead on from a shoulder's corner: an arc (with its radius) or a sloped line.
struct TCornerPiece {
    TEnd a, b;
    long double radius = 0; // 0 for a sloped line
    TPieceKind kind = TPieceKind::Sloped;
};

struct TDrawing {
    std::vector<TLineStatement> faces, horizontals;
    std::vector<TCornerPiece> corners;
};

// An arc runs clockwise in the profile's frame, so one whose start lies right of its end is the
// part of its circle on the axis side of the centre: the centre lies outside the material, as in
// the inner corner of a step. Any other arc rounds an edge.
TCornerPiece ArcPiece(const TArcStatement& arc)
{
    const TPieceKind kind = arc.XS > arc.XE ? TPieceKind::InnerFillet : TPieceKind::EdgeRound;
    return {{arc.XS, std::fabs(arc.YS)}, {arc.XE, std::fabs(arc.YE)}, ArcCircleOf(arc).Radius, kind};
}

// Vertical lines of zero length stay: they are faces a corner took whole.
void AddLine(TDrawing& drawing, TLineStatement line)
{
    line.Y1 = std::fabs(line.Y1);
    line.Y2 = std::fabs(line.Y2);
    if (line.X1 == line.X2) drawing.faces.push_back(line);
    else if (line.Y1 == line.Y2) drawing.horizontals.push_back(line);
    else drawing.corners.push_back({{line.X1, line.Y1}, {line.X2, line.Y2}, 0, TPieceKind::Sloped});
}

TDrawing ReadDrawing(const QStringList& memo)
{
    TDrawing drawing;
    for (const QString& text : memo) {
        const TStatement statement = ReadStatement(text);
        if (statement.Kind == TStatementKind::Arc) drawing.corners.push_back(ArcPiece(statement.Arc));
        if (statement.Kind == TStatementKind::Line) AddLine(drawing, statement.Line);
    }
    return drawing;
}

enum class TLeading { Down, Up };

// The far end of a piece that starts at `corner` and leads below or above it. Below a shoulder
// lies its inner corner, which an edge round does not fill.
const TCornerPiece* PieceFrom(const TDrawing& drawing, const TEnd& corner, TLeading leading, TEnd& far)
{
    const bool down = leading == TLeading::Down;
    for (const TCornerPiece& piece : drawing.corners) {
        if (down && piece.kind == TPieceKind::EdgeRound) continue;
        for (const auto& [near, other] : {std::pair{piece.a, piece.b}, std::pair{piece.b, piece.a}}) {
            if (!Meets(near, corner) || (down ? other.r >= corner.r : other.r <= corner.r)) continue;
            far = other;
            return &piece;
        }
    }
    return nullptr;
}

// D: the radius of the shoulder's top, or where an edge round, a chamfer or a cone leads on to.
long double LargeDiameterFrom(const TDrawing& drawing, const TEnd& top)
{
    TEnd far;
    return 2 * (PieceFrom(drawing, top, TLeading::Up, far) ? far.r : top.r);
}

TNotch ShoulderAt(const TDrawing& drawing, const TLineStatement& face)
{
    const long double low = std::min(face.Y1, face.Y2), high = std::max(face.Y1, face.Y2);
    TNotch notch{face.X1, 2 * low, LargeDiameterFrom(drawing, {face.X1, high}), 0};
    TEnd far;
    if (const TCornerPiece* inner = PieceFrom(drawing, {face.X1, low}, TLeading::Down, far)) {
        notch.Small = 2 * far.r;
        notch.Radius = inner->radius;
    }
    return notch;
}

// Whether a line or a corner piece of the outline ends at `end`.
bool OutlineEndsAt(const TDrawing& drawing, const TEnd& end)
{
    const auto lineEnds = [&end](const TLineStatement& line) { return Meets({line.X1, line.Y1}, end) || Meets({line.X2, line.Y2}, end); };
    const auto pieceEnds = [&end](const TCornerPiece& piece) { return Meets(piece.a, end) || Meets(piece.b, end); };
    return std::any_of(drawing.horizontals.begin(), drawing.horizontals.end(), lineEnds) ||
           std::any_of(drawing.corners.begin(), drawing.corners.end(), pieceEnds);
}

// A face down to the axis closes the shaft's end; so does one that stops at the bore, where no step
// of the outline goes on from its foot.
bool EndFace(const TDrawing& drawing, const TLineStatement& face)
{
    const long double low = std::min(face.Y1, face.Y2);
    return low <= kSameMm || !OutlineEndsAt(drawing, {face.X1, low});
}

void AddShoulderFaces(const TDrawing& drawing, std::vector<TNotch>& notches)
{
    for (const TLineStatement& face : drawing.faces) {
        if (EndFace(drawing, face)) continue;
        const TNotch notch = ShoulderAt(drawing, face);
        // A face of zero length between two pieces at one radius changes nothing.
        if (notch.Large - notch.Small > kSameMm) notches.push_back(notch);
    }
}

bool FaceStartsAt(const TDrawing& drawing, const TEnd& end)
{
    return std::any_of(drawing.faces.begin(), drawing.faces.end(), [&end](const TLineStatement& face) {
        return Meets({face.X1, std::min(face.Y1, face.Y2)}, end);
    });
}

// An inner fillet with no face above it: the shoulder stands where the fillet ends, at its
// larger radius.
void AddFacelessFillets(const TDrawing& drawing, std::vector<TNotch>& notches)
{
    for (const TCornerPiece& fillet : drawing.corners) {
        if (fillet.kind != TPieceKind::InnerFillet) continue;
        const bool aLow = fillet.a.r < fillet.b.r;
        const TEnd low = aLow ? fillet.a : fillet.b, high = aLow ? fillet.b : fillet.a;
        if (high.r - low.r <= kSameMm || FaceStartsAt(drawing, high)) continue;
        notches.push_back({high.x, 2 * low.r, LargeDiameterFrom(drawing, high), fillet.radius});
    }
}

bool HasFaceAt(const std::vector<TNotch>& faces, size_t count, long double x)
{
    return std::any_of(faces.begin(), faces.begin() + count, [x](const TNotch& n) { return std::fabs(n.Position - x) <= kSameMm; });
}

// Steps drawn as horizontal lines alone, before the shoulders are drawn in.
void AddBareSteps(const TDrawing& drawing, std::vector<TNotch>& notches)
{
    const size_t faces = notches.size();
    for (const TLineStatement& left : drawing.horizontals) {
        const long double x = std::max(left.X1, left.X2);
        for (const TLineStatement& right : drawing.horizontals) {
            if (std::fabs(std::min(right.X1, right.X2) - x) > kSameMm || std::fabs(right.Y1 - left.Y1) <= kSameMm) continue;
            if (HasFaceAt(notches, faces, x)) continue;
            notches.push_back({x, 2 * std::min(left.Y1, right.Y1), 2 * std::max(left.Y1, right.Y1), 0});
        }
    }
}

bool SameNotch(const TNotch& a, const TNotch& b)
{
    return a.Position == b.Position && a.Small == b.Small && a.Large == b.Large && a.Radius == b.Radius;
}

} // namespace

bool TNotch::Covers(long double x) const
{
    return std::fabs(x - Position) <= std::max(Radius, kSameMm);
}

std::vector<TNotch> FindNotches(const QStringList& memo)
{
    const TDrawing drawing = ReadDrawing(memo);
    std::vector<TNotch> notches;
    AddShoulderFaces(drawing, notches);
    AddBareSteps(drawing, notches);
    AddFacelessFillets(drawing, notches);
    std::sort(notches.begin(), notches.end(), [](const TNotch& a, const TNotch& b) {
        return a.Position < b.Position || (a.Position == b.Position && a.Small < b.Small);
    });
    // Running the shoulder search twice draws every face twice.
    notches.erase(std::unique(notches.begin(), notches.end(), SameNotch), notches.end());
    return notches;
}
