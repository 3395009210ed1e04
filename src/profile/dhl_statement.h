// Statements of the drawing text: one memo line is a line statement ("lin..."), an arc statement
// ("arc..."), a bore statement ("bor...") or no statement at all. Reading splits the fields at "/",
// writing puts them back.
//
// A bore statement "bore X1/R1/X2/R2/" is one line of the bore's contour, drawn like a line of the
// outline: from (X1, R1) to (X2, R2), R the distance from the axis. A bore of one diameter is one
// such line; a stepped or tapered bore is several.
#pragma once

#include <QString>
#include <QStringView>
#include <array>

enum class TStatementKind { None, Line, Arc, Bore };

// Only the first three characters count: "line", "lin " and "lines" all start a line statement.
TStatementKind StatementKind(const QString& line);

// Where the fields of a statement lie in its memo line; none for a memo line that is no
// statement.
struct TFieldTexts {
    TStatementKind Kind = TStatementKind::None;
    QString Line; // shares the memo line's text
    std::array<qsizetype, 8> Start{};
    std::array<qsizetype, 8> Size{};
    int Count = 0;

    // Field i as written; an empty text past the last field.
    QStringView Field(int i) const { return i < Count ? QStringView(Line).mid(Start[i], Size[i]) : QStringView(); }
    QString Text(int i) const { return Field(i).toString(); }
};

// Fields start at character 6 of a line or bore statement and 5 of an arc statement, whatever the
// rest of the keyword is. Fails with a message when a field lacks its closing "/".
TFieldTexts ReadFieldTexts(const QString& line);

struct TLineStatement {
    long double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    bool Marked = false; // the flag field is exactly "1"
};

// (XA, YA)-(XB, YB) bound the full circle; the arc runs from (XS, YS) to (XE, YE).
struct TArcStatement {
    long double XA = 0, YA = 0, XB = 0, YB = 0, XS = 0, YS = 0, XE = 0, YE = 0;
};

struct TStatement {
    TStatementKind Kind = TStatementKind::None;
    TLineStatement Line; // of a line or a bore statement
    TArcStatement Arc;
};

// A field as a number, read as StrToFloat reads it and failing with its message.
long double ReadField(QStringView text);

// Converts the field texts: numbers, and the flag of a line statement compared as text.
TStatement ConvertStatement(const TFieldTexts& fields);
// Reads and converts a memo line; a line that is no statement gives kind None and no failure.
TStatement ReadStatement(const QString& line);
// A memo line that must be a statement, or a line statement: any other memo line has only empty
// fields and fails on the first of them.
TStatement ReadRequiredStatement(const QString& line);
TLineStatement ReadLineStatement(const QString& line);

// Middle of the end points: the key by which the text is sorted from left to right.
long double MidpointKey(const TStatement& statement);

// "line X1/Y1/X2/Y2/F/" from field texts as they stand.
QString LineStatementText(const QString& x1, const QString& y1, const QString& x2, const QString& y2,
                          const QString& flag);
// The written forms, every number in its shortest general form.
QString WriteLineStatement(const TLineStatement& line);
QString WriteArcStatement(const TArcStatement& arc);
// "bore X1/R1/X2/R2/"
QString WriteBoreStatement(long double x1, long double r1, long double x2, long double r2);
