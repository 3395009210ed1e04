#include "profile/corner_tool.h"

#include "profile/editor_tools.h"
#include "profile/vertical_lines.h"

#include <array>
#include <cmath>
#include <optional>

namespace {

struct TEnd {
    long double x, y;
};

TEnd StartOf(const TLineStatement& line) { return {line.X1, line.Y1}; }
TEnd EndOf(const TLineStatement& line) { return {line.X2, line.Y2}; }
bool Same(TEnd a, TEnd b) { return a.x == b.x && a.y == b.y; }

// By the line's own ends: the carried flag of a sloped line does not make it horizontal.
bool IsVertical(const TLineStatement& line) { return line.X1 == line.X2; }
bool IsHorizontal(const TLineStatement& line) { return !IsVertical(line) && line.Y1 == line.Y2; }
bool CrossEachOther(const TLineStatement& a, const TLineStatement& b)
{
    return (IsHorizontal(a) && IsVertical(b)) || (IsVertical(a) && IsHorizontal(b));
}

TLineStatement AbsoluteStatement(const TLineRecord& record)
{
    return {std::fabs(record.X1), std::fabs(record.Y1), std::fabs(record.X2), std::fabs(record.Y2), false};
}

// The common end of the two lines, and at which end of each it lies.
struct TCorner {
    int Case = 0; // 1 start-start, 2 end-end, 3 first's start at second's end, 4 the reverse
    bool FirstAtStart = false, SecondAtStart = false;
    TEnd P{};
};

std::optional<TCorner> FindCorner(const TLineStatement& first, const TLineStatement& second)
{
    const std::array<std::pair<bool, bool>, 4> ends{{{true, true}, {false, false}, {true, false}, {false, true}}};
    for (int c = 0; c < 4; ++c) {
        const auto [firstAtStart, secondAtStart] = ends[c];
        const TEnd a = firstAtStart ? StartOf(first) : EndOf(first);
        const TEnd b = secondAtStart ? StartOf(second) : EndOf(second);
        if (Same(a, b)) return TCorner{c + 1, firstAtStart, secondAtStart, a};
    }
    return std::nullopt;
}

// The quarter circle of radius r tangent to both lines, counter-clockwise on the screen from its
// start to its end; sx and sy point from the corner along the two shortened lines.
QString FilletArc(const TCorner& corner, long double r, int sx, int sy)
{
    const long double a = corner.P.x, b = corner.P.y;
    const TEnd q{a + 2 * r * sx, b + 2 * r * sy};
    const TEnd onH{a + r * sx, b};
    const TEnd onV{a, b + r * sy};
    const bool cornerFirst = corner.Case == 1 || (corner.Case == 2 && sy == -1);
    const TEnd boxA = cornerFirst ? corner.P : q;
    const TEnd boxB = cornerFirst ? q : corner.P;
    const TEnd start = sx * sy == 1 ? onH : onV;
    const TEnd end = sx * sy == 1 ? onV : onH;
    return WriteArcStatement({boxA.x, boxA.y, boxB.x, boxB.y, start.x, start.y, end.x, end.y});
}

} // namespace

TCornerCut CutCorner(TLineStatement first, TLineStatement second, long double firstCut, long double secondCut,
                     long double radius, bool chamfer)
{
    TCornerCut cut{TCornerOutcome::NoCommonPoint, first, second, {}};
    if (firstCut < 0 || secondCut < 0 || (!chamfer && radius < 0)) {
        cut.Outcome = TCornerOutcome::NegativeSize;
        return cut;
    }
    const std::optional<TCorner> corner = FindCorner(first, second);
    if (!corner || !CrossEachOther(first, second)) return cut;
    const bool firstIsH = IsHorizontal(first);
    TLineStatement& h = firstIsH ? cut.First : cut.Second;
    TLineStatement& v = firstIsH ? cut.Second : cut.First;
    const bool hAtStart = firstIsH ? corner->FirstAtStart : corner->SecondAtStart;
    const bool vAtStart = firstIsH ? corner->SecondAtStart : corner->FirstAtStart;
    const long double dH = firstIsH ? firstCut : secondCut;
    const long double dV = firstIsH ? secondCut : firstCut;
    if (dV > std::fabs(v.Y1 - v.Y2)) {
        cut.Outcome = TCornerOutcome::TooLong;
        return cut;
    }
    const long double a = corner->P.x, b = corner->P.y;
    const int sx = hAtStart ? 1 : -1;
    (hAtStart ? h.X1 : h.X2) = a + sx * dH;
    cut.Outcome = TCornerOutcome::Cut;
    const long double m = vAtStart ? v.Y2 : v.Y1;
    if (b == m) return cut;
    const int sy = b > m ? -1 : 1;
    (vAtStart ? v.Y1 : v.Y2) = b + sy * dV;
    cut.Closing = chamfer ? WriteLineStatement({a + sx * dH, b, a, b + sy * dV, true})
                          : FilletArc(*corner, radius, sx, sy);
    return cut;
}

bool PickFirstCornerLine(TEditorState& state, QStringList& memo)
{
    if (!TableDescribes(state, memo)) return false;
    const int16_t hover = state.Valid(state.HoverIndex);
    if (hover == -1) return false;
    state.FirstRecord = state.Lines[hover];
    ReplaceRecordStatement(memo, hover, AbsoluteLineText(state.FirstRecord, "1"));
    KeepPicksFor(state, memo);
    state.FirstLineIndex = hover;
    state.FirstLinePicked = true;
    return true;
}

bool PickSecondCornerLine(TEditorState& state, QStringList& memo)
{
    if (!TableDescribes(state, memo)) return false;
    const int16_t first = state.Valid(state.FirstLineIndex);
    if (first == -1) {
        state.FirstLinePicked = false; // the first line is gone from the table: start again
        return false;
    }
    const int16_t hover = state.Valid(state.HoverIndex);
    if (hover == -1 || hover / 2 == first / 2) return false;
    if (!CrossEachOther(AbsoluteStatement(state.Lines[first]), AbsoluteStatement(state.Lines[hover]))) return false;
    state.SecondRecord = state.Lines[hover];
    ReplaceRecordStatement(memo, hover, AbsoluteLineText(state.SecondRecord, "1"));
    KeepPicksFor(state, memo);
    return true;
}

QString SecondCornerLineProblem(const TEditorState& state)
{
    const int16_t first = state.Valid(state.FirstLineIndex);
    const int16_t hover = state.Valid(state.HoverIndex);
    if (first == -1 || hover == -1 || hover / 2 == first / 2) return {};
    if (CrossEachOther(AbsoluteStatement(state.Lines[first]), AbsoluteStatement(state.Lines[hover]))) return {};
    return "A fillet or a chamfer joins a horizontal line to a vertical one. " + kCloseOutlineHint;
}

TCornerOutcome FinishCorner(TEditorState& state, QStringList& memo)
{
    const int16_t first = state.Valid(state.FirstLineIndex);
    const int16_t second = state.Valid(state.HoverIndex);
    TCornerOutcome outcome = TCornerOutcome::NoCommonPoint;
    if (TableDescribes(state, memo) && first != -1 && second != -1) {
        const TCornerCut cut = CutCorner(AbsoluteStatement(state.Lines[first]), AbsoluteStatement(state.Lines[second]),
                                         state.ChamferD1, state.ChamferD2, state.FilletRadius, state.ChamferMode);
        outcome = cut.Outcome;
        ReplaceRecordStatement(memo, first, WriteLineStatement(cut.First));
        ReplaceRecordStatement(memo, second, WriteLineStatement(cut.Second));
        if (!cut.Closing.isEmpty()) memo.append(cut.Closing);
        KeepPicksFor(state, memo);
    }
    state.FirstLinePicked = false;
    state.HoverIndex = state.FirstLineIndex = -1;
    return outcome;
}
