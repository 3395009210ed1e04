#include "profile/dhl_rendering.h"

#include "diagrams/editor_drawing.h"
#include "profile/canvas_mapping.h"

#include <vector>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);

void DrawEndMark(Canvas& canvas, uint8_t markType, int x, int y)
{
    if (markType == kMarkSquare) canvas.Rectangle(x - 3, y - 3, x + 3, y + 3);
    if (markType == kMarkCircle) canvas.Ellipse(x - 3, y - 3, x + 3, y + 3);
}

TArcStatement Mirror(const TArcStatement& arc)
{
    // Start and end exchange, so that the lower arc still runs counter-clockwise.
    return {arc.XA, -arc.YA, arc.XB, -arc.YB, arc.XE, -arc.YE, arc.XS, -arc.YS};
}

uint8_t HorizontalFlag(long double x1, long double y1, long double x2, long double y2, uint8_t previous)
{
    if (x1 == x2) return 0;
    if (y1 == y2) return 1;
    return previous;
}

void ClearBitmap(Canvas& canvas)
{
    canvas.Pen.Color = kWhite;
    canvas.Rectangle(0, 0, canvas.Width(), canvas.Height());
    canvas.Pen.Color = kBlack;
}

// Appends the statement as written and its mirror image to the line table and draws both.
void AddLineRecords(const TLineStatement& line, Canvas& canvas, TEditorState& state, long double shaftLength)
{
    TLineRecord upper{line.X1, line.Y1, line.X2, line.Y2, uint8_t(line.Marked), 0};
    const uint8_t previous = state.Lines.empty() ? 0 : state.Lines.back().Horizontal;
    upper.Horizontal = HorizontalFlag(upper.X1, upper.Y1, upper.X2, upper.Y2, previous);
    state.Lines.push_back(upper);
    DrawLineRecord(canvas, upper, state, shaftLength);

    TLineRecord lower{line.X1, -line.Y1, line.X2, -line.Y2, upper.Marked, 0};
    lower.Horizontal = HorizontalFlag(lower.X1, lower.Y1, lower.X2, lower.Y2, upper.Horizontal);
    state.Lines.push_back(lower);
    DrawLineRecord(canvas, lower, state, shaftLength);
}

void DrawSectionLine(Canvas& canvas, long double x, long double y, long double shaftLength)
{
    const int column = px(x, shaftLength);
    canvas.MoveTo(column, py(y, shaftLength));
    canvas.LineTo(column, py(-y, shaftLength));
}

// Across the full diameter at every end point: the shoulders and faces of the shaft.
void DrawSectionLines(Canvas& canvas, const std::vector<TStatement>& statements, long double shaftLength)
{
    const int width = canvas.Pen.Width;
    canvas.Pen.Width = 1;
    for (const TStatement& statement : statements) {
        if (statement.Kind == TStatementKind::Line) {
            DrawSectionLine(canvas, statement.Line.X1, statement.Line.Y1, shaftLength);
            DrawSectionLine(canvas, statement.Line.X2, statement.Line.Y2, shaftLength);
        } else {
            DrawSectionLine(canvas, statement.Arc.XS, statement.Arc.YS, shaftLength);
            DrawSectionLine(canvas, statement.Arc.XE, statement.Arc.YE, shaftLength);
        }
    }
    canvas.Pen.Width = width;
}

// Draws every statement and returns them for the section lines.
std::vector<TStatement> DrawStatements(const QStringList& memo, Canvas& canvas, TEditorState& state,
                                       long double shaftLength)
{
    std::vector<TStatement> statements;
    statements.reserve(memo.size());
    for (const QString& text : memo) {
        const TStatement statement = ReadStatement(text);
        if (statement.Kind == TStatementKind::None) continue;
        if (statement.Kind == TStatementKind::Line) {
            AddLineRecords(statement.Line, canvas, state, shaftLength);
        } else {
            DrawArc(canvas, statement.Arc, state, shaftLength);
            DrawArc(canvas, Mirror(statement.Arc), state, shaftLength);
        }
        statements.push_back(statement);
    }
    return statements;
}

void RunOverlay(bool enabled, const TOverlayStep& overlay, Canvas& canvas, const QStringList& memo)
{
    if (enabled && overlay) overlay(canvas, memo);
}

} // namespace

void DrawLineRecord(Canvas& canvas, const TLineRecord& record, const TEditorState& settings,
                    long double shaftLength)
{
    if (record.Marked) canvas.Pen.Color = kRed;
    const TBrushStyle brushStyle = canvas.Brush.Style;
    canvas.Brush.Style = TBrushStyle::Solid;
    const int x1 = px(record.X1, shaftLength), y1 = py(record.Y1, shaftLength);
    const int x2 = px(record.X2, shaftLength), y2 = py(record.Y2, shaftLength);
    canvas.Pen.Width = settings.LineWidth;
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
    canvas.Pen.Width = settings.LineMarkWidth;
    DrawEndMark(canvas, settings.LineMarkType, x1, y1);
    DrawEndMark(canvas, settings.LineMarkType, x2, y2);
    canvas.Brush.Style = brushStyle;
    if (record.Marked) canvas.Pen.Color = kBlack;
}

void DrawArc(Canvas& canvas, const TArcStatement& arc, const TEditorState& settings, long double shaftLength)
{
    const int xs = px(arc.XS, shaftLength), ys = py(arc.YS, shaftLength);
    const int xe = px(arc.XE, shaftLength), ye = py(arc.YE, shaftLength);
    const int xa = px(arc.XA, shaftLength), ya = py(arc.YA, shaftLength);
    const int xb = px(arc.XB, shaftLength), yb = py(arc.YB, shaftLength);
    canvas.Pen.Width = settings.ArcWidth;
    const TBrushStyle brushStyle = canvas.Brush.Style;
    canvas.Brush.Style = TBrushStyle::Solid;
    canvas.Arc(xa, ya, xb, yb, xs, ys, xe, ye);
    canvas.Pen.Width = settings.ArcMarkWidth;
    DrawEndMark(canvas, settings.ArcMarkType, xs, ys);
    DrawEndMark(canvas, settings.ArcMarkType, xe, ye);
    canvas.Brush.Style = brushStyle;
}

void Generate(const QStringList& memo, Canvas& target, TEditorState& state, const TAnalysisState& analysis)
{
    const long double shaftLength = analysis.ShaftLength;
    Canvas& canvas = state.DrawingCanvas;
    state.Lines.clear();
    ClearBitmap(canvas);
    if (!analysis.Points.empty()) DrawPointMarkers(canvas, analysis.Points, shaftLength);
    const std::vector<TStatement> statements = DrawStatements(memo, canvas, state, shaftLength);
    RunOverlay(state.ShowDiameters, state.Overlays.Diameters, canvas, memo);
    DrawSectionLines(canvas, statements, shaftLength);
    RunOverlay(state.ShowEqualStrength, state.Overlays.EqualStrength, canvas, memo);
    RunOverlay(state.ShowRecommended, state.Overlays.Recommended, canvas, memo);
    const QRect whole = state.DrawingBitmap.rect();
    target.CopyRect(whole, canvas, whole);
}

void ClearMarks(QStringList& memo, Canvas& target, TEditorState& state, const TAnalysisState& analysis)
{
    state.SelectedIndex = -1;
    if (memo.isEmpty()) return;
    for (QString& text : memo) {
        const TFieldTexts fields = ReadFieldTexts(text);
        if (fields.Kind != TStatementKind::Line) continue;
        const TLineStatement line = ConvertStatement(fields).Line;
        const bool straight = line.X1 == line.X2 || line.Y1 == line.Y2;
        if (straight && line.Marked) {
            const auto& t = fields.Texts;
            text = LineStatementText(t[0], t[1], t[2], t[3], "0");
        }
    }
    Generate(memo, target, state, analysis);
}
