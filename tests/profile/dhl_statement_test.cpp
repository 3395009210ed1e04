#include "profile/dhl_statement.h"

#include "profile_test_support.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

TEST(DhlStatement, KeywordIsTheFirstThreeCharactersAndFieldsStartAtAFixedCharacter)
{
    struct TCase {
        const char* text;
        long double x1;
    };
    // "lines 10/..." starts its first field at the blank; "lin 10/..." at the 0 of 10.
    for (const TCase& c : {TCase{"line 10/5/30/5/0/", 10}, TCase{"lines 10/5/30/5/0/", 10},
                           TCase{"lin 10/5/30/5/0/", 0}}) {
        const TStatement statement = ReadStatement(c.text);
        ASSERT_EQ(statement.Kind, TStatementKind::Line) << c.text;
        EXPECT_EQ(statement.Line.X1, c.x1) << c.text;
        EXPECT_EQ(statement.Line.Y1, 5);
        EXPECT_EQ(statement.Line.X2, 30);
        EXPECT_EQ(statement.Line.Y2, 5);
    }
    for (const char* other : {"", "li", "Line 0/0/0/0/0/", "// line 0/0/0/0/0/", " arc 1/2/3/4/5/6/7/8/"})
        EXPECT_EQ(ReadStatement(other).Kind, TStatementKind::None) << other;
}

TEST(DhlStatement, OnlyTheFlagTextOneMarksALine)
{
    const std::pair<const char*, bool> cases[] = {{"1", true}, {"0", false}, {"01", false}, {" 1", false},
                                                  {"1 ", false}, {"", false}, {"x", false}};
    for (const auto& [flag, marked] : cases)
        EXPECT_EQ(ReadStatement(QString("line 0/15/40/15/%1/").arg(flag)).Line.Marked, marked) << flag;
}

TEST(DhlStatement, ArcFieldsStartAtCharacterFive)
{
    const TStatement statement = ReadStatement("arc 30/0/40/10/30/5/35/10/");
    ASSERT_EQ(statement.Kind, TStatementKind::Arc);
    const TArcStatement& arc = statement.Arc;
    EXPECT_EQ((arc.XA + arc.XB) / 2, 35);
    EXPECT_EQ((arc.YA + arc.YB) / 2, 5);
    EXPECT_EQ(arc.XS, 30);
    EXPECT_EQ(arc.YS, 5);
    EXPECT_EQ(arc.XE, 35);
    EXPECT_EQ(arc.YE, 10);
    EXPECT_EQ(MidpointKey(statement), 32.5L);
}

TEST(DhlStatement, BadFieldsFailWithTheirText)
{
    const std::pair<const char*, const char*> cases[] = {
        {"line 0/15/4O/15/0/", "'4O' is not a valid floating point value"},
        {"line 0//40/15/0/", "'' is not a valid floating point value"},
        {"arc 30/0/40/10/30/5/35/1 0/", "'1 0' is not a valid floating point value"},
        {"line 0/15/40/15/0", "'line 0/15/40/15/0': every field must end with \"/\""},
        {"arc 30/0/40/10/30/5/35/10", "'arc 30/0/40/10/30/5/35/10': every field must end with \"/\""},
        {"line", "'line': every field must end with \"/\""},
        {"line ", "'line ': every field must end with \"/\""},
    };
    for (const auto& [text, message] : cases) EXPECT_EQ(FailureOf([text = text] { ReadStatement(text); }), message) << text;
    // Read as a required line statement, an arc or a comment has only empty fields.
    EXPECT_EQ(FailureOf([] { ReadLineStatement("arc 30/0/40/10/30/5/35/10/"); }),
              "'' is not a valid floating point value");
}

TEST(DhlStatement, WritesTheShortestFormThatReadsBackUnderEitherSeparator)
{
    EXPECT_EQ(WriteLineStatement({0, 15, 40.0L, 15, false}), "line 0/15/40/15/0/");
    EXPECT_EQ(WriteLineStatement({10, 12.5L, 30, 12.6L, true}), "line 10/12.5/30/12.6/1/");
    EXPECT_EQ(WriteArcStatement({46, 16, 50, 20, 48, 20, 50, 18}), "arc 46/16/50/20/48/20/50/18/");
    for (const QChar separator : {QChar('.'), QChar(',')}) {
        DecimalSeparatorScope scope(separator);
        const TLineStatement line{1.0L / 3, -2.5L, 1e-7L, 123456.789L, true};
        const TLineStatement read = ReadStatement(WriteLineStatement(line)).Line;
        EXPECT_NEAR(double(read.X1), double(line.X1), 1e-15);
        EXPECT_EQ(read.Y1, line.Y1);
        EXPECT_NEAR(double(read.X2), double(line.X2), 1e-21);
        EXPECT_EQ(read.Y2, line.Y2);
        EXPECT_TRUE(read.Marked);
    }
    DecimalSeparatorScope comma(',');
    EXPECT_EQ(WriteLineStatement({0, 12.5L, 40, 12.5L, false}), "line 0/12,5/40/12,5/0/");
    EXPECT_EQ(FailureOf([] { ReadStatement("line 0/12.5/40/12.5/0/"); }), "'12.5' is not a valid floating point value");
}

} // namespace
