#include "profile/vertical_lines.h"

#include "common/errors.h"
#include "profile/dhl_rendering.h"
#include "profile/dhl_statement.h"
#include "profile/midpoint_sort.h"

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

// From (x, yFrom) to (x, yTo), unless it is a chamfer's corner.
void AddShoulder(QStringList& memo, TLineShape a, TLineShape b, QStringView x, QStringView yFrom, QStringView yTo)
{
    if (!NeedsShoulder(a, b, yFrom, yTo)) return;
    const QString xText = x.toString();
    memo.append(LineStatementText(xText, yFrom.toString(), xText, yTo.toString(), "0"));
}

// Each pair of lines that take part, examined once: the one that ends where the other starts
// gets a shoulder from its end to the other's start.
void AddShoulders(QStringList& memo)
{
    const qsizetype count = memo.size(); // shoulders appended below are vertical: never examined
    std::vector<TFieldTexts> fields;
    std::vector<TLineShape> shapes;
    fields.reserve(count);
    shapes.reserve(count);
    for (const QString& line : memo) {
        fields.push_back(ReadFieldTexts(line));
        shapes.push_back(ShapeOf(fields.back()));
    }
    for (qsizetype i = 0; i < count; ++i) {
        if (!TakesPart(shapes[i])) continue;
        const TFieldTexts& a = fields[i];
        for (qsizetype j = i; j < count; ++j) {
            if (!TakesPart(shapes[j])) continue;
            const TFieldTexts& b = fields[j];
            if (a.Field(0) == b.Field(2))
                AddShoulder(memo, shapes[i], shapes[j], b.Field(2), b.Field(3), a.Field(1));
            else if (a.Field(2) == b.Field(0))
                AddShoulder(memo, shapes[i], shapes[j], a.Field(2), a.Field(3), b.Field(1));
        }
    }
}

struct TPointTexts {
    QString X, Y;
};

// The first point of a statement (its start) or its last point (its end), as written; the
// numbers are checked before they go into the text.
TPointTexts EndPointTexts(const QString& line, bool start)
{
    ReadRequiredStatement(line);
    const TFieldTexts fields = ReadFieldTexts(line);
    const int first = (fields.Kind == TStatementKind::Arc ? 4 : 0) + (start ? 0 : 2);
    return {fields.Text(first), fields.Text(first + 1)};
}

void AddEndFaces(QStringList& memo)
{
    MidpointSort(memo);
    const TPointTexts first = EndPointTexts(memo.first(), true);
    const TPointTexts last = EndPointTexts(memo.last(), false);
    memo.append(LineStatementText(first.X, "0", first.X, first.Y, "0"));
    memo.append(LineStatementText(last.X, last.Y, last.X, "0", "0"));
}

} // namespace

void DrawVerticalLines(QStringList& memo, Canvas& target, TEditorState& state, const TAnalysisState& analysis)
{
    if (memo.isEmpty()) RaiseError("List index out of bounds (0)");
    AddShoulders(memo);
    AddEndFaces(memo);
    Generate(memo, target, state, analysis);
}
