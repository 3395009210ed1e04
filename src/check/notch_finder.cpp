#include "check/notch_finder.h"

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

// A piece that can lead on from a shoulder's corner: an arc (with its radius) or a sloped line.
struct TCornerPiece {
    TEnd a, b;
    long double radius = 0; // 0 for a chamfer line
};

struct TDrawing {
    std::vector<TLineStatement> verticals, horizontals;
    std::vector<TCornerPiece> corners;
};

TDrawing ReadDrawing(const QStringList& memo)
{
    TDrawing drawing;
    for (const QString& text : memo) {
        const TStatement statement = ReadStatement(text);
        if (statement.Kind == TStatementKind::Arc) {
            const TArcStatement& arc = statement.Arc;
            drawing.corners.push_back({{arc.XS, std::fabs(arc.YS)}, {arc.XE, std::fabs(arc.YE)}, std::fabs(arc.XB - arc.XA) / 2});
            continue;
        }
        if (statement.Kind != TStatementKind::Line) continue;
        TLineStatement line = statement.Line;
        line.Y1 = std::fabs(line.Y1);
        line.Y2 = std::fabs(line.Y2);
        if (line.X1 == line.X2 && line.Y1 != line.Y2) drawing.verticals.push_back(line);
        else if (line.Y1 == line.Y2 && line.X1 != line.X2) drawing.horizontals.push_back(line);
        else if (line.X1 != line.X2) drawing.corners.push_back({{line.X1, line.Y1}, {line.X2, line.Y2}, 0});
    }
    return drawing;
}

// The far end of a piece that starts at `corner` and leads below (down = true) or above it.
const TCornerPiece* PieceFrom(const TDrawing& drawing, const TEnd& corner, bool down, TEnd& far)
{
    for (const TCornerPiece& piece : drawing.corners) {
        for (const auto& [near, other] : {std::pair{piece.a, piece.b}, std::pair{piece.b, piece.a}}) {
            if (!Meets(near, corner) || (down ? other.r >= corner.r : other.r <= corner.r)) continue;
            far = other;
            return &piece;
        }
    }
    return nullptr;
}

TNotch ShoulderAt(const TDrawing& drawing, const TLineStatement& face)
{
    TNotch notch{face.X1, 2 * std::min(face.Y1, face.Y2), 2 * std::max(face.Y1, face.Y2), 0};
    TEnd far;
    if (const TCornerPiece* inner = PieceFrom(drawing, {face.X1, notch.Small / 2}, true, far)) {
        notch.Small = 2 * far.r;
        notch.Radius = inner->radius;
    }
    if (PieceFrom(drawing, {face.X1, notch.Large / 2}, false, far)) notch.Large = 2 * far.r;
    return notch;
}

void AddShoulderFaces(const TDrawing& drawing, std::vector<TNotch>& notches)
{
    for (const TLineStatement& face : drawing.verticals)
        if (std::min(face.Y1, face.Y2) > kSameMm) notches.push_back(ShoulderAt(drawing, face));
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
    std::sort(notches.begin(), notches.end(), [](const TNotch& a, const TNotch& b) {
        return a.Position < b.Position || (a.Position == b.Position && a.Small < b.Small);
    });
    // Running the shoulder search twice draws every face twice.
    notches.erase(std::unique(notches.begin(), notches.end(), SameNotch), notches.end());
    return notches;
}
