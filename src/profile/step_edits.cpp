#include "profile/step_edits.h"

#include "profile/corner_tool.h"
#include "profile/dhl_statement.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Points typed by hand and points written by the tools meet to well within this.
constexpr long double kSameMm = 1e-6L;

// Further from its face than this no fillet of a shaft ends.
constexpr long double kLargestFillet = 1000;

bool Near(long double a, long double b) { return std::fabs(a - b) <= kSameMm; }

struct TPoint {
    long double x, y;
};

bool Meets(TPoint a, TPoint b) { return Near(a.x, b.x) && Near(a.y, b.y); }

std::vector<TStatement> ReadAll(const QStringList& memo)
{
    std::vector<TStatement> statements;
    for (const QString& text : memo) {
        TStatement statement = ReadStatement(text);
        statement.Line.Y1 = std::fabs(statement.Line.Y1);
        statement.Line.Y2 = std::fabs(statement.Line.Y2);
        statements.push_back(statement);
    }
    return statements;
}

bool IsLine(const TStatement& s) { return s.Kind == TStatementKind::Line; }
bool IsHorizontal(const TStatement& s) { return IsLine(s) && s.Line.Y1 == s.Line.Y2 && s.Line.X1 != s.Line.X2; }
bool IsVertical(const TStatement& s) { return IsLine(s) && s.Line.X1 == s.Line.X2; }

// The cylinder at `radius` that runs over x, else the one with the end nearest x within `reach`.
int CylinderNear(const std::vector<TStatement>& statements, long double x, long double reach, long double radius)
{
    int nearest = -1;
    long double nearestDistance = reach + kSameMm;
    for (size_t i = 0; i < statements.size(); ++i) {
        const TLineStatement& line = statements[i].Line;
        if (!IsHorizontal(statements[i]) || !Near(line.Y1, radius)) continue;
        const long double left = std::min(line.X1, line.X2), right = std::max(line.X1, line.X2);
        const long double distance = x < left ? left - x : x > right ? x - right : 0;
        if (distance <= nearestDistance) nearest = int(i), nearestDistance = distance;
    }
    return nearest;
}

// A line with an end at p, other than `except`; which end in `atStart`.
int LineEndingAt(const std::vector<TStatement>& statements, TPoint p, int except, bool& atStart)
{
    for (size_t i = 0; i < statements.size(); ++i) {
        if (int(i) == except || !IsLine(statements[i])) continue;
        const TLineStatement& line = statements[i].Line;
        if (Meets({line.X1, line.Y1}, p)) return atStart = true, int(i);
        if (Meets({line.X2, line.Y2}, p)) return atStart = false, int(i);
    }
    return -1;
}

// An arc with its start or end at p; the other end in `far`.
int ArcEndingAt(const std::vector<TStatement>& statements, TPoint p, TPoint& far)
{
    for (size_t i = 0; i < statements.size(); ++i) {
        if (statements[i].Kind != TStatementKind::Arc) continue;
        const TArcStatement& arc = statements[i].Arc;
        const TPoint start{arc.XS, std::fabs(arc.YS)}, end{arc.XE, std::fabs(arc.YE)};
        if (Meets(start, p)) return far = end, int(i);
        if (Meets(end, p)) return far = start, int(i);
    }
    return -1;
}

void ShiftArc(TArcStatement& arc, long double by)
{
    for (long double* y : {&arc.YA, &arc.YB, &arc.YS, &arc.YE}) *y = std::fabs(*y) + by;
}

// Moves the end of a line at p by `by` in y; false when the line would turn round or cross the axis.
bool MoveLineEnd(std::vector<TStatement>& statements, QStringList& memo, TPoint p, int except, long double by)
{
    bool atStart = false;
    const int index = LineEndingAt(statements, p, except, atStart);
    if (index < 0) return true;
    TLineStatement& line = statements[size_t(index)].Line;
    const long double before = line.Y2 - line.Y1;
    (atStart ? line.Y1 : line.Y2) += by;
    const long double after = line.Y2 - line.Y1;
    if (std::min(line.Y1, line.Y2) < 0 || (IsVertical(statements[size_t(index)]) && before * after < 0)) return false;
    memo[index] = WriteLineStatement(line);
    return true;
}

// The pieces leading on from one end of the cylinder follow it.
bool FollowEnd(std::vector<TStatement>& statements, QStringList& memo, int cylinder, TPoint end, long double by)
{
    TPoint far{};
    const int arc = ArcEndingAt(statements, end, far);
    if (arc < 0) return MoveLineEnd(statements, memo, end, cylinder, by);
    ShiftArc(statements[size_t(arc)].Arc, by);
    memo[arc] = WriteArcStatement(statements[size_t(arc)].Arc);
    return MoveLineEnd(statements, memo, far, cylinder, by);
}

int FaceAt(const std::vector<TStatement>& statements, long double x, long double lowEnd)
{
    for (size_t i = 0; i < statements.size(); ++i) {
        const TLineStatement& line = statements[i].Line;
        if (IsVertical(statements[i]) && Near(line.X1, x) && Near(std::min(line.Y1, line.Y2), lowEnd)) return int(i);
    }
    return -1;
}

struct TCorner {
    int cylinder = -1, face = -1, arc = -1;
};

// The shoulder's face and cylinder, and the fillet between them if one is drawn; the corner is
// made sharp again in `statements`.
TCorner SharpenCorner(std::vector<TStatement>& statements, long double x, long double stepRadius)
{
    TCorner corner;
    // With a fillet drawn the cylinder ends short of the face by its radius.
    corner.cylinder = CylinderNear(statements, x, kLargestFillet, stepRadius);
    if (corner.cylinder < 0) return {};
    TLineStatement& cylinder = statements[size_t(corner.cylinder)].Line;
    const bool endAtRight = std::fabs(cylinder.X2 - x) < std::fabs(cylinder.X1 - x);
    long double& near = endAtRight ? cylinder.X2 : cylinder.X1;
    TPoint far{};
    corner.arc = ArcEndingAt(statements, {near, stepRadius}, far);
    const long double faceLow = corner.arc >= 0 ? far.y : stepRadius;
    if (corner.arc >= 0 && !Near(far.x, x)) return {};
    corner.face = FaceAt(statements, x, faceLow);
    if (corner.face < 0) return {};
    TLineStatement& face = statements[size_t(corner.face)].Line;
    (face.Y1 < face.Y2 ? face.Y1 : face.Y2) = stepRadius;
    near = face.X1;
    return corner;
}

TLineStatement LeftToRight(TLineStatement line)
{
    if (line.X1 > line.X2) std::swap(line.X1, line.X2);
    line.Marked = false;
    return line;
}

} // namespace

std::optional<TCylinderSpan> CylinderSpanNear(const QStringList& memo, long double x, long double reach, long double stepRadius)
{
    const std::vector<TStatement> statements = ReadAll(memo);
    const int cylinder = CylinderNear(statements, x, reach, stepRadius);
    if (cylinder < 0) return std::nullopt;
    const TLineStatement& line = statements[size_t(cylinder)].Line;
    return TCylinderSpan{std::min(line.X1, line.X2), std::max(line.X1, line.X2)};
}

std::optional<QStringList> WithFilletRadius(const QStringList& memo, long double x, long double stepRadius, long double r)
{
    std::vector<TStatement> statements = ReadAll(memo);
    const TCorner corner = SharpenCorner(statements, x, stepRadius);
    if (corner.face < 0) return std::nullopt;
    TLineStatement cylinder = LeftToRight(statements[size_t(corner.cylinder)].Line), face = statements[size_t(corner.face)].Line;
    face.Marked = false;
    const TCornerCut cut = CutCorner(cylinder, face, r, r, r, false);
    if (cut.Outcome != TCornerOutcome::Cut || cut.Closing.isEmpty() || !(cut.First.X1 < cut.First.X2)) return std::nullopt;
    QStringList edited = memo;
    edited[corner.cylinder] = WriteLineStatement(cut.First);
    edited[corner.face] = WriteLineStatement(cut.Second);
    edited.append(cut.Closing);
    if (corner.arc >= 0) edited.removeAt(corner.arc);
    return edited;
}

std::optional<QStringList> WithStepRadius(const QStringList& memo, long double x, long double reach,
                                          long double stepRadius, long double newRadius)
{
    std::vector<TStatement> statements = ReadAll(memo);
    const int cylinder = CylinderNear(statements, x, reach, stepRadius);
    if (cylinder < 0 || !(newRadius > 0)) return std::nullopt;
    const long double by = newRadius - stepRadius;
    QStringList edited = memo;
    TLineStatement& line = statements[size_t(cylinder)].Line;
    const TPoint ends[2] = {{line.X1, line.Y1}, {line.X2, line.Y2}};
    for (const TPoint& end : ends)
        if (!FollowEnd(statements, edited, cylinder, end, by)) return std::nullopt;
    line.Y1 = line.Y2 = newRadius;
    edited[cylinder] = WriteLineStatement(line);
    return edited;
}
