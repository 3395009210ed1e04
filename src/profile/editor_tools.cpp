#include "profile/editor_tools.h"

#include "common/errors.h"
#include "common/number_text.h"
#include "profile/canvas_mapping.h"
#include "profile/dhl_rendering.h"
#include "profile/dhl_statement.h"

#include <cmath>

namespace {

constexpr unsigned kHighlightColour = 16711680; // blue
constexpr unsigned kBoxColour = 32768;          // green
constexpr int kLineReach = 3;
constexpr int kEndReach = 6;

// The read-outs use the results' fixed format.
QString Fixed(long double value) { return FormatFloat("0.00", value); }

struct TRecordPixels {
    int x1, y1, x2, y2;
};

TRecordPixels PixelsOf(const TLineRecord& record, long double shaftLength, const TViewZoom& zoom)
{
    return {px(record.X1, shaftLength, zoom), py(record.Y1, shaftLength, zoom), px(record.X2, shaftLength, zoom),
            py(record.Y2, shaftLength, zoom)};
}

bool Between(int value, int a, int b) { return std::min(a, b) <= value && value <= std::max(a, b); }

// A horizontal line is reached from above or below, any other line from either side; a
// horizontal line written right to left is never reached.
bool OnLine(const TLineRecord& record, const TRecordPixels& p, int x, int y)
{
    if (record.Horizontal == 1)
        return p.x1 <= x && x <= p.x2 && p.y1 - kLineReach <= y && y <= p.y2 + kLineReach;
    return p.x1 - kLineReach <= x && x <= p.x2 + kLineReach && Between(y, p.y1, p.y2);
}

bool NearEnd(int ex, int ey, int x, int y)
{
    return std::abs(x - ex) <= kEndReach && std::abs(y - ey) <= kEndReach;
}

QString LineStatementOf(const std::array<QString, 4>& texts, const QString& flag)
{
    return LineStatementText(texts[0], texts[1], texts[2], texts[3], flag);
}

} // namespace

void SelectTool(TEditorState& state, TTool tool)
{
    state.DrawMode = tool == TTool::Draw;
    state.ModifyMode = tool == TTool::Modify;
    state.DeleteMode = tool == TTool::Delete;
    state.CornerMode = tool == TTool::Fillet || tool == TTool::Chamfer;
    state.ChamferMode = tool == TTool::Chamfer;
}

void LeaveTools(TEditorState& state)
{
    state.CornerMode = state.DrawMode = state.ChamferMode = state.ModifyMode = state.DeleteMode = false;
    state.LineStartPicked = state.FirstLinePicked = false;
}

TReadOuts ReadOutTexts(const TLineRecord& record)
{
    return {"x1: " + Fixed(record.X1),
            "r1: " + Fixed(std::fabs(record.Y1)),
            "x2: " + Fixed(record.X2),
            "r2: " + Fixed(std::fabs(record.Y2)),
            "dx: " + Fixed(std::fabs(record.X1 - record.X2)),
            "dy: " + Fixed(std::fabs(record.Y1 - record.Y2))};
}

TReadOuts ClearedReadOuts()
{
    return {"x1: 00.00", "r1: 00.00", "x2: 00.00", "r2: 00.00", "dx: 00.00", "dy: 00.00"};
}

TTracking TrackPointer(TEditorState& state, const QStringList& memo, int x, int y, long double shaftLength)
{
    TTracking tracking;
    if (state.Lines.empty() || !(shaftLength > 0)) return tracking;
    if (!TableDescribes(state, memo)) {
        tracking.Redraw = true;
        tracking.ReadOuts = ClearedReadOuts();
        return tracking;
    }
    bool onLine = false, nearStart = false, nearEnd = false;
    for (int i = 0; i < state.LineCount(); ++i) {
        const TLineRecord& record = state.Lines[i];
        const TRecordPixels p = PixelsOf(record, shaftLength, state.Zoom);
        if (OnLine(record, p, x, y)) {
            onLine = true;
            tracking.Marks.push_back({i, record, {}});
            state.HighlightIndex = state.HoverIndex = int16_t(i);
            state.HoverRecord = record;
        }
        if (NearEnd(p.x1, p.y1, x, y)) {
            nearStart = state.StartBoxShown = true;
            tracking.Marks.push_back({-1, {}, {p.x1, p.y1}});
            state.SnapPoint = {record.X1, record.Y1};
            state.SnapIndex = int16_t(i);
        }
        if (NearEnd(p.x2, p.y2, x, y)) {
            nearEnd = state.EndBoxShown = true;
            tracking.Marks.push_back({-1, {}, {p.x2, p.y2}});
            state.SnapPoint = {record.X2, record.Y2};
            state.SnapIndex = int16_t(i);
        }
    }
    if (onLine) tracking.ReadOuts = ReadOutTexts(state.HoverRecord);
    if (!onLine && state.HighlightIndex != -1) {
        tracking.Redraw = true;
        state.HighlightIndex = -1;
        tracking.ReadOuts = ClearedReadOuts();
    }
    if (!nearStart && state.StartBoxShown && state.SnapIndex != -1) {
        tracking.Redraw = true;
        state.StartBoxShown = false;
        state.SnapIndex = -1;
    }
    if (!nearEnd && state.EndBoxShown && state.SnapIndex != -1) {
        tracking.Redraw = true;
        state.EndBoxShown = false;
        state.SnapIndex = -1;
    }
    return tracking;
}

void DrawTracking(Canvas& canvas, const TTracking& tracking, const TEditorState& state, long double shaftLength)
{
    for (const TTrackMark& mark : tracking.Marks) {
        if (mark.Record >= 0) {
            canvas.Pen.Color = ColorFromValue(kHighlightColour);
            DrawLineRecord(canvas, mark.Line, state, shaftLength);
        } else {
            canvas.Pen.Color = ColorFromValue(kBoxColour);
            canvas.Brush.Style = TBrushStyle::Clear;
            const QPoint c = mark.Centre;
            canvas.Rectangle(c.x() - kEndReach, c.y() - kEndReach, c.x() + kEndReach, c.y() + kEndReach);
            canvas.Brush.Style = TBrushStyle::Solid;
        }
        canvas.Pen.Color = Qt::black;
    }
}

QString AbsoluteLineText(const TLineRecord& record, const QString& flag)
{
    return LineStatementText(FloatToStr(std::fabs(record.X1)), FloatToStr(std::fabs(record.Y1)),
                             FloatToStr(std::fabs(record.X2)), FloatToStr(std::fabs(record.Y2)), flag);
}

// The memo line of the line statement that record `recordIndex` was built from.
static qsizetype StatementLine(const QStringList& memo, int recordIndex)
{
    const int wanted = recordIndex / 2;
    int seen = 0;
    for (qsizetype k = 0; k < memo.size(); ++k)
        if (StatementKind(memo[k]) == TStatementKind::Line && seen++ == wanted) return k;
    // The text was edited by hand since the table was built.
    RaiseError(QString("List index out of bounds (%1)").arg(wanted));
}

void ReplaceRecordStatement(QStringList& memo, int recordIndex, const QString& text)
{
    memo[StatementLine(memo, recordIndex)] = text;
}

bool DrawLinesPress(TEditorState& state, QStringList& memo)
{
    if (!TableDescribes(state, memo)) return false;
    if (!state.LineStartPicked) {
        state.LineStart = state.SnapPoint;
        state.LineStartPicked = true;
        return false;
    }
    if (state.SnapPoint.x == state.LineStart.x && state.SnapPoint.y == state.LineStart.y) return false;
    state.LineEnd = state.SnapPoint;
    state.LineStartPicked = false;
    const TLineRecord line{state.LineStart.x, state.LineStart.y, state.LineEnd.x, state.LineEnd.y, 0, 0};
    memo.append(AbsoluteLineText(line, "0"));
    KeepPicksFor(state, memo);
    return true;
}

std::optional<std::array<QString, 4>> PickLine(TEditorState& state, QStringList& memo)
{
    if (!TableDescribes(state, memo)) return std::nullopt;
    const int16_t hover = state.Valid(state.HoverIndex);
    if (hover == -1) return std::nullopt;
    const TLineRecord record = state.Lines[hover];
    ReplaceRecordStatement(memo, hover, AbsoluteLineText(record, "1"));
    KeepPicksFor(state, memo);
    state.SelectedIndex = hover;
    return std::array<QString, 4>{FloatToStr(std::fabs(record.X1)), FloatToStr(std::fabs(record.Y1)),
                                  FloatToStr(std::fabs(record.X2)), FloatToStr(std::fabs(record.Y2))};
}

bool ModifySelected(TEditorState& state, QStringList& memo, const std::array<QString, 4>& texts)
{
    if (!TableDescribes(state, memo)) return false;
    const int16_t selected = state.Valid(state.SelectedIndex);
    if (!state.ModifyMode || selected == -1) return false;
    // Checked first: a statement that does not read would stop every later redraw.
    for (const QString& text : texts) ReadField(text);
    ReplaceRecordStatement(memo, selected, LineStatementOf(texts, "0"));
    KeepPicksFor(state, memo);
    state.SelectedIndex = -1;
    return true;
}

bool DeleteSelected(TEditorState& state, QStringList& memo)
{
    if (!TableDescribes(state, memo)) return false;
    const int16_t selected = state.Valid(state.SelectedIndex);
    if (!state.DeleteMode || selected == -1) return false;
    memo.removeAt(StatementLine(memo, selected));
    KeepPicksFor(state, memo);
    return true;
}
