#include "profile/dhl_rendering.h"

#include "common/errors.h"
#include "diagrams/editor_drawing.h"
#include "profile/canvas_mapping.h"

#include <vector>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);

// A section line: one end of a statement, on the column x from its row as written to its mirrored
// row. Kept from the drawing of the statements, so that no end is mapped twice.
struct TSectionLine {
    int x, upper, lower;
};

void DrawEndMark(Canvas& canvas, uint8_t markType, int x, int y)
{
    if (markType == kMarkSquare) canvas.Rectangle(x - 3, y - 3, x + 3, y + 3);
    if (markType == kMarkCircle) canvas.Ellipse(x - 3, y - 3, x + 3, y + 3);
}

void DrawLinePixels(Canvas& canvas, bool marked, QPoint from, QPoint to, const TEditorState& settings)
{
    if (marked) canvas.Pen.Color = kRed;
    const TBrushStyle brushStyle = canvas.Brush.Style;
    canvas.Brush.Style = TBrushStyle::Solid;
    canvas.Pen.Width = settings.LineWidth;
    canvas.MoveTo(from.x(), from.y());
    canvas.LineTo(to.x(), to.y());
    canvas.Pen.Width = settings.LineMarkWidth;
    DrawEndMark(canvas, settings.LineMarkType, from.x(), from.y());
    DrawEndMark(canvas, settings.LineMarkType, to.x(), to.y());
    canvas.Brush.Style = brushStyle;
    if (marked) canvas.Pen.Color = kBlack;
}

// The arc in the box with corners a and b, from the radial through `start` counter-clockwise to
// the one through `end`.
void DrawArcPixels(Canvas& canvas, QPoint a, QPoint b, QPoint start, QPoint end, const TEditorState& settings)
{
    canvas.Pen.Width = settings.ArcWidth;
    const TBrushStyle brushStyle = canvas.Brush.Style;
    canvas.Brush.Style = TBrushStyle::Solid;
    canvas.Arc(a.x(), a.y(), b.x(), b.y(), start.x(), start.y(), end.x(), end.y());
    canvas.Pen.Width = settings.ArcMarkWidth;
    DrawEndMark(canvas, settings.ArcMarkType, start.x(), start.y());
    DrawEndMark(canvas, settings.ArcMarkType, end.x(), end.y());
    canvas.Brush.Style = brushStyle;
}

QPoint Pixel(long double x, long double y, long double shaftLength, const TViewZoom& zoom)
{
    return QPoint(px(x, shaftLength, zoom), py(y, shaftLength, zoom));
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

// Draws the line as written and its mirror image, with a section line at each end.
void DrawMirroredLine(const TLineStatement& line, Canvas& canvas, const TEditorState& state, long double shaftLength,
                      std::vector<TSectionLine>& sections)
{
    const QPoint first = Pixel(line.X1, line.Y1, shaftLength, state.Zoom);
    const QPoint second = Pixel(line.X2, line.Y2, shaftLength, state.Zoom);
    DrawLinePixels(canvas, line.Marked, first, second, state);
    const QPoint firstMirrored = Pixel(line.X1, -line.Y1, shaftLength, state.Zoom);
    const QPoint secondMirrored = Pixel(line.X2, -line.Y2, shaftLength, state.Zoom);
    DrawLinePixels(canvas, line.Marked, firstMirrored, secondMirrored, state);
    sections.push_back({first.x(), first.y(), firstMirrored.y()});
    sections.push_back({second.x(), second.y(), secondMirrored.y()});
}

// Appends the statement as written and its mirror image to the line table and draws both. A line
// of the bore is drawn alike, so that the half-section shows the hollow, but gets no record: the
// pointer tools edit the outline only.
void AddLineRecords(const TLineStatement& line, Canvas& canvas, TEditorState& state, long double shaftLength,
                    std::vector<TSectionLine>& sections)
{
    TLineRecord upper{line.X1, line.Y1, line.X2, line.Y2, uint8_t(line.Marked), 0};
    const uint8_t previous = state.Lines.empty() ? 0 : state.Lines.back().Horizontal;
    upper.Horizontal = HorizontalFlag(upper.X1, upper.Y1, upper.X2, upper.Y2, previous);
    state.Lines.push_back(upper);
    TLineRecord lower{line.X1, -line.Y1, line.X2, -line.Y2, upper.Marked, 0};
    lower.Horizontal = HorizontalFlag(lower.X1, lower.Y1, lower.X2, lower.Y2, upper.Horizontal);
    state.Lines.push_back(lower);
    DrawMirroredLine(line, canvas, state, shaftLength, sections);
}

// The arc as written, then its mirror image: every y negated and start and end exchanged, so
// that the lower arc still runs counter-clockwise.
void AddArc(const TArcStatement& arc, Canvas& canvas, const TEditorState& state, long double shaftLength,
            std::vector<TSectionLine>& sections)
{
    const QPoint a = Pixel(arc.XA, arc.YA, shaftLength, state.Zoom);
    const QPoint b = Pixel(arc.XB, arc.YB, shaftLength, state.Zoom);
    const QPoint start = Pixel(arc.XS, arc.YS, shaftLength, state.Zoom);
    const QPoint end = Pixel(arc.XE, arc.YE, shaftLength, state.Zoom);
    DrawArcPixels(canvas, a, b, start, end, state);

    const auto mirrored = [&](QPoint p, long double y) {
        return QPoint(p.x(), py(-y, shaftLength, state.Zoom));
    };
    const QPoint startMirrored = mirrored(start, arc.YS);
    const QPoint endMirrored = mirrored(end, arc.YE);
    DrawArcPixels(canvas, mirrored(a, arc.YA), mirrored(b, arc.YB), endMirrored, startMirrored, state);

    sections.push_back({start.x(), start.y(), startMirrored.y()});
    sections.push_back({end.x(), end.y(), endMirrored.y()});
}

// Across the full diameter at every end point: the shoulders and faces of the shaft.
void DrawSectionLines(Canvas& canvas, const std::vector<TSectionLine>& sections)
{
    const int width = canvas.Pen.Width;
    canvas.Pen.Width = 1;
    for (const TSectionLine& section : sections) {
        canvas.MoveTo(section.x, section.upper);
        canvas.LineTo(section.x, section.lower);
    }
    canvas.Pen.Width = width;
}

// Draws every statement and returns the section lines of their ends.
std::vector<TSectionLine> DrawStatements(const QStringList& memo, Canvas& canvas, TEditorState& state,
                                         long double shaftLength)
{
    std::vector<TSectionLine> sections;
    sections.reserve(2 * memo.size());
    for (const QString& text : memo) {
        const TStatement statement = ReadStatement(text);
        if (statement.Kind == TStatementKind::Line) AddLineRecords(statement.Line, canvas, state, shaftLength, sections);
        if (statement.Kind == TStatementKind::Arc) AddArc(statement.Arc, canvas, state, shaftLength, sections);
        if (statement.Kind == TStatementKind::Bore) DrawMirroredLine(statement.Line, canvas, state, shaftLength, sections);
    }
    return sections;
}

void RunOverlay(bool enabled, const TOverlayStep& overlay, Canvas& canvas, const QStringList& memo)
{
    if (enabled && overlay) overlay(canvas, memo);
}

} // namespace

void DrawLineRecord(Canvas& canvas, const TLineRecord& record, const TEditorState& settings,
                    long double shaftLength)
{
    const TViewZoom& zoom = settings.Zoom;
    DrawLinePixels(canvas, record.Marked, Pixel(record.X1, record.Y1, shaftLength, zoom),
                   Pixel(record.X2, record.Y2, shaftLength, zoom), settings);
}

void DrawArc(Canvas& canvas, const TArcStatement& arc, const TEditorState& settings, long double shaftLength)
{
    const TViewZoom& zoom = settings.Zoom;
    DrawArcPixels(canvas, Pixel(arc.XA, arc.YA, shaftLength, zoom), Pixel(arc.XB, arc.YB, shaftLength, zoom),
                  Pixel(arc.XS, arc.YS, shaftLength, zoom), Pixel(arc.XE, arc.YE, shaftLength, zoom), settings);
}

namespace {

void DrawPass(const QStringList& memo, Canvas& target, TEditorState& state, const TAnalysisState& analysis)
{
    const long double shaftLength = analysis.ShaftLength;
    Canvas& canvas = state.DrawingCanvas;
    state.Lines.clear();
    ClearBitmap(canvas);
    if (!analysis.Points.empty()) DrawPointMarkers(canvas, analysis.Points, shaftLength, state.Zoom);
    const std::vector<TSectionLine> sections = DrawStatements(memo, canvas, state, shaftLength);
    RunOverlay(state.ShowDiameters, state.Overlays.Diameters, canvas, memo);
    DrawSectionLines(canvas, sections);
    RunOverlay(state.ShowEqualStrength, state.Overlays.EqualStrength, canvas, memo);
    RunOverlay(state.ShowRecommended, state.Overlays.Recommended, canvas, memo);
    const QRect whole = state.DrawingBitmap.rect();
    target.CopyRect(whole, canvas, whole);
}

} // namespace

void Generate(const QStringList& memo, Canvas& target, TEditorState& state, const TAnalysisState& analysis)
{
    TableDescribes(state, memo);
    state.TableText = memo;
    state.PassFailure.clear();
    try {
        DrawPass(memo, target, state, analysis);
    } catch (const KorvelError& error) {
        state.PassFailure = error.Text();
        throw;
    }
}

void GenerateAgain(const QStringList& memo, Canvas& target, TEditorState& state, const TAnalysisState& analysis)
{
    const QString before = memo == state.TableText ? state.PassFailure : QString();
    try {
        Generate(memo, target, state, analysis);
    } catch (const KorvelError& error) {
        if (before.isEmpty() || error.Text() != before) throw;
    }
}

void ClearMarks(QStringList& memo, Canvas& target, TEditorState& state, const TAnalysisState& analysis)
{
    state.SelectedIndex = -1;
    if (memo.isEmpty()) return;
    for (QString& text : memo) {
        // Only line statements are read: an arc, whatever its fields, never holds up the unmarking.
        if (StatementKind(text) != TStatementKind::Line) continue;
        const TFieldTexts fields = ReadFieldTexts(text);
        const TLineStatement line = ConvertStatement(fields).Line;
        const bool straight = line.X1 == line.X2 || line.Y1 == line.Y2;
        if (straight && line.Marked)
            text = LineStatementText(fields.Text(0), fields.Text(1), fields.Text(2), fields.Text(3), "0");
    }
    Generate(memo, target, state, analysis);
}
