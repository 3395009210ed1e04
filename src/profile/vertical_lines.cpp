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
    const auto& t = fields.Texts;
    if (t[0] == t[2]) return TLineShape::Vertical;
    if (t[1] == t[3]) return TLineShape::Horizontal;
    return TLineShape::Sloped;
}

bool TakesPart(TLineShape shape) { return shape == TLineShape::Horizontal || shape == TLineShape::Sloped; }

// A chamfer meets its neighbours at their corners; only a step in radius at its end needs a
// shoulder.
bool NeedsShoulder(TLineShape a, TLineShape b, const QString& yFrom, const QString& yTo)
{
    const bool chamfer = a == TLineShape::Sloped || b == TLineShape::Sloped;
    return !chamfer || yFrom != yTo;
}

void AppendShoulder(QStringList& memo, const QString& x, const QString& yFrom, const QString& yTo)
{
    memo.append(LineStatementText(x, yFrom, x, yTo, "0"));
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
        const auto& a = fields[i].Texts;
        for (qsizetype j = i; j < count; ++j) {
            if (!TakesPart(shapes[j])) continue;
            const auto& b = fields[j].Texts;
            if (a[0] == b[2]) {
                if (NeedsShoulder(shapes[i], shapes[j], b[3], a[1])) AppendShoulder(memo, b[2], b[3], a[1]);
            } else if (a[2] == b[0]) {
                if (NeedsShoulder(shapes[i], shapes[j], a[3], b[1])) AppendShoulder(memo, a[2], a[3], b[1]);
            }
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
    const auto& t = fields.Texts;
    if (fields.Kind == TStatementKind::Arc) return start ? TPointTexts{t[4], t[5]} : TPointTexts{t[6], t[7]};
    return start ? TPointTexts{t[0], t[1]} : TPointTexts{t[2], t[3]};
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
