// The drawing text on any input, through the reader and every operation on the text: each memo
// line reads or fails with its message, a statement written back reads as the same numbers, and
// the sort, the Generate pass, the vertical lines, the clearing of marks and the profile points
// each run through or stop with a message, storing nothing infinite; and the checks read the
// outline and its bore into pieces in order.
// Input: an optional first line "L <shaft length>" (100 mm otherwise), then the memo lines.
#include "fuzz_support.h"

#include "analysis/analysis_state.h"
#include "canvas/canvas.h"
#include "common/number_text.h"
#include "profile/contour_index.h"
#include "profile/dhl_rendering.h"
#include "profile/dhl_statement.h"
#include "profile/editor_state.h"
#include "profile/midpoint_sort.h"
#include "profile/profile_points.h"
#include "profile/verification.h"
#include "profile/vertical_lines.h"

#include <QImage>
#include <cmath>
#include <initializer_list>

namespace {

bool Finite(std::initializer_list<long double> values)
{
    for (long double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

bool Near(long double a, long double b) { return std::fabs(a - b) <= std::fabs(a) * 1e-14L; }

void ExpectSameLine(const TLineStatement& a, const TLineStatement& b, const QString& written)
{
    Require(Near(a.X1, b.X1) && Near(a.Y1, b.Y1) && Near(a.X2, b.X2) && Near(a.Y2, b.Y2) && a.Marked == b.Marked,
            "a written line statement reads as another", written);
}

void ExpectSameArc(const TArcStatement& a, const TArcStatement& b, const QString& written)
{
    const bool same = Near(a.XA, b.XA) && Near(a.YA, b.YA) && Near(a.XB, b.XB) && Near(a.YB, b.YB) &&
                      Near(a.XS, b.XS) && Near(a.YS, b.YS) && Near(a.XE, b.XE) && Near(a.YE, b.YE);
    Require(same, "a written arc statement reads as another", written);
}

void ReadAndWriteBack(const QString& line)
{
    TStatement statement;
    if (!Attempt([&] { statement = ReadStatement(line); })) return;
    const TLineStatement& l = statement.Line;
    const TArcStatement& a = statement.Arc;
    Require(Finite({l.X1, l.Y1, l.X2, l.Y2, a.XA, a.YA, a.XB, a.YB, a.XS, a.YS, a.XE, a.YE}),
            "a statement read as an infinite number", line);
    QString written;
    TStatement back;
    if (statement.Kind == TStatementKind::Line) {
        const bool ok = Attempt([&] { written = WriteLineStatement(l); back = ReadStatement(written); });
        Require(ok, "a written line statement does not read", written);
        ExpectSameLine(l, back.Line, written);
    } else if (statement.Kind == TStatementKind::Bore) {
        const bool ok = Attempt([&] { written = WriteBoreStatement(l.X1, l.Y1, l.X2, l.Y2); back = ReadStatement(written); });
        Require(ok && back.Kind == TStatementKind::Bore, "a written bore statement does not read", written);
        ExpectSameLine(l, back.Line, written);
    } else if (statement.Kind == TStatementKind::Arc) {
        const bool ok = Attempt([&] { written = WriteArcStatement(a); back = ReadStatement(written); });
        Require(ok, "a written arc statement does not read", written);
        ExpectSameArc(a, back.Arc, written);
    }
}

void ExpectFiniteTable(const TLinii& lines)
{
    for (const TLineRecord& r : lines) Require(Finite({r.X1, r.Y1, r.X2, r.Y2}), "an infinite line record");
}

struct TEditor {
    TAnalysisState analysis;
    TEditorState state;
    QImage image{605, 725, QImage::Format_RGB32};
    Canvas target{image};
};

// The checks' reading of the outline and its bore: pieces in order along the axis, whatever the
// bore's fault. (Radii are not held finite: lines of 1E4000 mm overflow between their ends, and
// the checks refuse what they compute from them.)
void ReadAsTheChecksDo(const QStringList& memo, uint8_t arcSteps)
{
    Attempt([&] {
        const TContourIndex index(DrawnContour(memo, arcSteps));
        index.BoreFault();
        long double end = -INFINITY;
        for (const TShaftPiece& piece : index.Pieces()) {
            Require(piece.X1 < piece.X2 && piece.X1 >= end, "pieces out of order");
            end = piece.X2;
        }
    });
}

// Every operation starts from the memo as the input gives it.
void RunEveryOperation(const QStringList& memo, long double shaftLength)
{
    TEditor editor;
    editor.analysis.ShaftLength = shaftLength;
    QStringList sorted = memo;
    Attempt([&] { MidpointSort(sorted); });
    Require(sorted.size() == memo.size(), "the sort lost or added lines");

    QStringList walked = memo;
    Attempt([&] { ExtractProfilePoints(walked, editor.analysis.ProfilePoints, editor.state.ArcSteps); });
    for (const TProfilePoint& p : editor.analysis.ProfilePoints) Require(Finite({p.x, p.r}), "an infinite profile point");

    Attempt([&] { Generate(memo, editor.target, editor.state, editor.analysis); });
    ExpectFiniteTable(editor.state.Lines);
    QStringList completed = memo;
    Attempt([&] { DrawVerticalLines(completed, editor.target, editor.state, editor.analysis); });
    ExpectFiniteTable(editor.state.Lines);
    Require(completed.size() >= memo.size(), "the vertical lines removed lines");
    ReadAsTheChecksDo(memo, editor.state.ArcSteps);
    QStringList cleared = memo;
    Attempt([&] { ClearMarks(cleared, editor.target, editor.state, editor.analysis); });
    Require(cleared.size() == memo.size(), "clearing the marks changed the number of lines");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QStringList memo = InputLines(data, size);
    if (memo.size() > 300) return 0; // a memo of that size says nothing new, only slowly
    long double shaftLength = 100;
    if (!memo.isEmpty() && memo.first().startsWith("L ")) {
        Attempt([&] { shaftLength = StrToFloat(memo.first().mid(2)); });
        memo.removeFirst();
    }
    for (const QString& line : memo) ReadAndWriteBack(line);
    RunEveryOperation(memo, shaftLength);
    return 0;
}
