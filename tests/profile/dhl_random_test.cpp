// Random and mutated statements through the reader and every operation on the drawing text:
// each either runs through or stops with a message, and nothing infinite or undefined is stored.
#include "profile/dhl_rendering.h"
#include "profile/dhl_statement.h"
#include "profile/midpoint_sort.h"
#include "profile/profile_points.h"
#include "profile/vertical_lines.h"
#include "profile_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

const char* const kNumbers[] = {"0", "15", "40", "-3", "2.5", "100", "1E-6", "00012", " 7 ", "+4", ".5", "5.", "1e3"};
const char* const kHugeNumbers[] = {"1E4000", "-1E4932", "1.18E4932", "99999999999999999999", "1E-4940"};
const char* const kBadNumbers[] = {"", "x", "1,5", "1..5", "--2", "1e", "inf", "nan"};
const char* const kKeywords[] = {"line ", "lin ", "lines ", "arc ", "arcs ", "ar ", "", "# ", "li"};
const QString kAlphabet = "0123456789/.-+ ,eEalinrc\t";

class TStatementSource {
public:
    // Half of the memos are all well-formed statements, so that the operations get through;
    // the others hold a bad number or a mutated line now and then.
    void StartMemo() { dirty_ = Pick(2) == 0; }
    bool Dirty() const { return dirty_; }

    QString Next()
    {
        const int kind = Pick(dirty_ ? 10 : 8);
        if (kind < 6) return Statement("line ", 4) + (Pick(2) ? "1/" : "0/");
        if (kind < 8) return Statement("arc ", 8);
        QString line = kind == 8 ? Statement(kKeywords[Pick(std::size(kKeywords))], Pick(10)) : Statement("line ", 5);
        Mutate(line);
        return line;
    }

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

private:
    QString Statement(QString keyword, int fields)
    {
        for (int i = 0; i < fields; ++i) keyword += Number() + '/';
        return keyword;
    }

    QString Number()
    {
        const int kind = Pick(dirty_ ? 20 : 18);
        if (kind < 11) return QString::number(Pick(201) - 50);
        if (kind < 18) return kNumbers[Pick(std::size(kNumbers))];
        if (kind < 19) return kHugeNumbers[Pick(std::size(kHugeNumbers))];
        return kBadNumbers[Pick(std::size(kBadNumbers))];
    }

    void Mutate(QString& line)
    {
        const int position = line.isEmpty() ? 0 : Pick(int(line.size()));
        switch (Pick(4)) {
        case 0: line.remove(position, 1); break;
        case 1: line.insert(position, kAlphabet[Pick(int(kAlphabet.size()))]); break;
        case 2: line.truncate(position); break;
        default: line.replace(position, 1, kAlphabet[Pick(int(kAlphabet.size()))]); break;
        }
    }

    std::mt19937 random_{20240611};
    bool dirty_ = false;
};

bool Finite(long double v) { return std::isfinite(v); }

void ExpectFiniteTable(const TLinii& lines)
{
    for (const TLineRecord& r : lines)
        ASSERT_TRUE(Finite(r.X1) && Finite(r.Y1) && Finite(r.X2) && Finite(r.Y2));
}

void ExpectFinitePoints(const TModel& points)
{
    for (const TProfilePoint& p : points) ASSERT_TRUE(Finite(p.x) && Finite(p.r));
}

// Runs an operation; a failure must be the program's own, with a text. Counts the runs that
// went through.
template <class Action>
void RunOperation(Action action, int* completed = nullptr)
{
    try {
        action();
        if (completed) ++*completed;
    } catch (const KorvelError& error) {
        ASSERT_FALSE(error.Text().isEmpty());
    }
}

void ReadEveryWay(const QString& line)
{
    RunOperation([&] {
        const TFieldTexts fields = ReadFieldTexts(line);
        for (int i = 0; i < fields.Count; ++i) ASSERT_LE(fields.Start[i] + fields.Size[i], line.size());
        const TStatement statement = ConvertStatement(fields);
        const TArcStatement& a = statement.Arc;
        const TLineStatement& l = statement.Line;
        for (long double v : {l.X1, l.Y1, l.X2, l.Y2, a.XA, a.YA, a.XB, a.YB, a.XS, a.YS, a.XE, a.YE})
            ASSERT_TRUE(Finite(v));
    });
}

TEST(DhlRandom, ReaderAndOperationsOnRandomAndMutatedStatements)
{
    TStatementSource source;
    TEditorFixture f;
    const long double lengths[] = {100, 1e-3L, 1e6L, 0};
    int lines = 0;
    int memos = 0;
    int extracted = 0;
    int edits = 0;
    for (; lines < 100000; ++memos) {
        QStringList memo;
        const int count = 1 + source.Pick(24);
        source.StartMemo();
        for (int i = 0; i < count; ++i) memo << source.Next();
        lines += count;
        for (const QString& line : memo) ReadEveryWay(line);
        f.analysis.ShaftLength = lengths[source.Dirty() ? source.Pick(4) : 0];

        QStringList sorted = memo;
        RunOperation([&] { MidpointSort(sorted); });
        ASSERT_EQ(sorted.size(), memo.size());
        QStringList walked = memo;
        RunOperation([&] { ExtractProfilePoints(walked, f.analysis.ProfilePoints, 20); }, &extracted);
        ExpectFinitePoints(f.analysis.ProfilePoints);

        QStringList edited = memo;
        switch (source.Pick(3)) {
        case 0: RunOperation([&] { Generate(edited, f.target, f.state, f.analysis); }, &edits); break;
        case 1: RunOperation([&] { DrawVerticalLines(edited, f.target, f.state, f.analysis); }, &edits); break;
        default: RunOperation([&] { ClearMarks(edited, f.target, f.state, f.analysis); }, &edits); break;
        }
        ExpectFiniteTable(f.state.Lines);
        ASSERT_GE(edited.size(), memo.size());
    }
    // Enough of the runs must get through for the drawing paths to be exercised at all.
    EXPECT_GT(extracted, memos / 5);
    EXPECT_GT(edits, memos / 5);
}

} // namespace
