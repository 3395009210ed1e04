#include "profile/vertical_lines.h"

#include "common/errors.h"
#include "common/number_text.h"
#include "profile/contour_index.h"
#include "profile/dhl_rendering.h"
#include "profile/dhl_statement.h"
#include "profile/midpoint_sort.h"
#include "profile/verification.h"

#include <QSet>
#include <algorithm>
#include <vector>

namespace {

enum class TLineShape { Other, Vertical, Horizontal, Sloped };

// By field texts, as the tools write them: X1 = X2 vertical, else Y1 = Y2 horizontal.
TLineShape ShapeOf(const TFieldTexts& fields)
{
    if (fields.Kind != TStatementKind::Line) return TLineShape::Other;
    if (fields.Field(0) == fields.Field(2)) return TLineShape::Vertical;
    if (fields.Field(1) == fields.Field(3)) return TLineShape::Horizontal;
    return TLineShape::Sloped;
}

bool TakesPart(TLineShape shape) { return shape == TLineShape::Horizontal || shape == TLineShape::Sloped; }

// A chamfer meets its neighbours at their corners; only a step in radius at its end needs a
// shoulder.
bool NeedsShoulder(TLineShape a, TLineShape b, QStringView yFrom, QStringView yTo)
{
    const bool chamfer = a == TLineShape::Sloped || b == TLineShape::Sloped;
    return !chamfer || yFrom != yTo;
}

// The vertical line statements of the text, by their field texts, each way round: a shoulder or
// an end face that is already drawn is not drawn again, so running the operation twice, or after
// a chamfer, adds nothing twice. A sloped line never stands for one.
class TVerticalLines {
public:
    void Add(QStringView x, QStringView y1, QStringView y2)
    {
        keys_.insert(Key(x, y1, y2));
        keys_.insert(Key(x, y2, y1));
    }
    bool Contains(QStringView x, QStringView y1, QStringView y2) const { return keys_.contains(Key(x, y1, y2)); }

    // Appends the line from (x, yFrom) to (x, yTo) unless the text holds it.
    void Append(QStringList& memo, QStringView x, QStringView yFrom, QStringView yTo)
    {
        if (Contains(x, yFrom, yTo)) return;
        Add(x, yFrom, yTo);
        const QString xText = x.toString();
        memo.append(LineStatementText(xText, yFrom.toString(), xText, yTo.toString(), "0"));
    }

private:
    static QString Key(QStringView x, QStringView y1, QStringView y2)
    {
        return x.toString() + '/' + y1.toString() + '/' + y2.toString();
    }
    QSet<QString> keys_;
};

// The fields and the shape of every memo line.
struct TTextLines {
    std::vector<TFieldTexts> Fields;
    std::vector<TLineShape> Shapes;
};

TTextLines ReadTextLines(const QStringList& memo)
{
    TTextLines lines;
    lines.Fields.reserve(memo.size());
    lines.Shapes.reserve(memo.size());
    for (const QString& line : memo) {
        lines.Fields.push_back(ReadFieldTexts(line));
        lines.Shapes.push_back(ShapeOf(lines.Fields.back()));
    }
    return lines;
}

TVerticalLines VerticalLinesOf(const TTextLines& lines)
{
    TVerticalLines vertical;
    for (size_t i = 0; i < lines.Fields.size(); ++i) {
        const TFieldTexts& f = lines.Fields[i];
        if (lines.Shapes[i] == TLineShape::Vertical) vertical.Add(f.Field(0), f.Field(1), f.Field(3));
    }
    return vertical;
}

// From (x, yFrom) to (x, yTo), unless it is a chamfer's corner.
void AddShoulder(QStringList& memo, TVerticalLines& drawn, TLineShape a, TLineShape b, QStringView x,
                 QStringView yFrom, QStringView yTo)
{
    if (NeedsShoulder(a, b, yFrom, yTo)) drawn.Append(memo, x, yFrom, yTo);
}

// Each pair of lines that take part, examined once: the one that ends where the other starts
// gets a shoulder from its end to the other's start.
void AddShoulders(QStringList& memo)
{
    const qsizetype count = memo.size(); // shoulders appended below are vertical: never examined
    const TTextLines lines = ReadTextLines(memo);
    const std::vector<TFieldTexts>& fields = lines.Fields;
    const std::vector<TLineShape>& shapes = lines.Shapes;
    TVerticalLines drawn = VerticalLinesOf(lines);
    for (qsizetype i = 0; i < count; ++i) {
        if (!TakesPart(shapes[i])) continue;
        const TFieldTexts& a = fields[i];
        for (qsizetype j = i; j < count; ++j) {
            if (!TakesPart(shapes[j])) continue;
            const TFieldTexts& b = fields[j];
            if (a.Field(0) == b.Field(2))
                AddShoulder(memo, drawn, shapes[i], shapes[j], b.Field(2), b.Field(3), a.Field(1));
            else if (a.Field(2) == b.Field(0))
                AddShoulder(memo, drawn, shapes[i], shapes[j], a.Field(2), a.Field(3), b.Field(1));
        }
    }
}

// An end of the outline, and the foot of its face: the axis, or the bore where one reaches that end.
struct TEndPoint {
    QString X, Y;
    QString Foot = "0";
    bool AtFoot = false;
};

// The first point of a statement (its start) or its last point (its end), as written; the
// numbers are checked before they go into the text.
TEndPoint EndPointOf(const QString& line, bool start, const TContour& bores)
{
    if (ReadRequiredStatement(line).Kind == TStatementKind::Bore)
        RaiseError("The drawing has no outline: every line of it is a line of the bore.");
    const TFieldTexts fields = ReadFieldTexts(line);
    const int first = (fields.Kind == TStatementKind::Arc ? 4 : 0) + (start ? 0 : 2);
    TEndPoint end{fields.Text(first), fields.Text(first + 1)};
    const long double foot = BoreDiameterAt(bores, ReadField(fields.Field(first))) / 2;
    if (foot != 0) end.Foot = FloatToStr(foot);
    // A face drawn down to the axis before the bore was drawn stays as it is.
    const long double y = ReadField(fields.Field(first + 1));
    end.AtFoot = y == foot || y == 0;
    return end;
}

// A contour that already reaches its foot at an end (its face drawn before) gets no face of no
// length there.
void AddEndFaces(QStringList& memo)
{
    MidpointSort(memo);
    const TContour bores = BoreLines(memo);
    const qsizetype outline = std::max<qsizetype>(OutlineLineCount(memo), 1);
    const TEndPoint first = EndPointOf(memo.first(), true, bores);
    const TEndPoint last = EndPointOf(memo[outline - 1], false, bores);
    TVerticalLines drawn = VerticalLinesOf(ReadTextLines(memo));
    if (!first.AtFoot) drawn.Append(memo, first.X, first.Foot, first.Y);
    if (!last.AtFoot) drawn.Append(memo, last.X, last.Y, last.Foot);
}

} // namespace

void DrawVerticalLines(QStringList& memo, Canvas& target, TEditorState& state, const TAnalysisState& analysis)
{
    if (memo.isEmpty()) RaiseError("List index out of bounds (0)");
    AddShoulders(memo);
    AddEndFaces(memo);
    Generate(memo, target, state, analysis);
}
