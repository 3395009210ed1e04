#include "profile/dhl_statement.h"

#include "common/errors.h"
#include "common/number_text.h"
#include "profile/plain_number.h"

namespace {

constexpr int kLineFields = 5;
constexpr int kArcFields = 8;
constexpr int kBoreFields = 4;
constexpr qsizetype kLineFirstField = 5; // character 6
constexpr qsizetype kArcFirstField = 4;  // character 5

[[noreturn]] void FailUnclosedField(const QString& line)
{
    RaiseError(QString("'%1': every field must end with \"/\"").arg(line));
}

} // namespace

TStatementKind StatementKind(const QString& line)
{
    const QStringView keyword = QStringView(line).left(3);
    if (keyword == u"lin") return TStatementKind::Line;
    if (keyword == u"arc") return TStatementKind::Arc;
    if (keyword == u"bor") return TStatementKind::Bore;
    return TStatementKind::None;
}

TFieldTexts ReadFieldTexts(const QString& line)
{
    TFieldTexts fields;
    fields.Kind = StatementKind(line);
    if (fields.Kind == TStatementKind::None) return fields;
    const bool isArc = fields.Kind == TStatementKind::Arc;
    const int count = isArc ? kArcFields : fields.Kind == TStatementKind::Bore ? kBoreFields : kLineFields;
    qsizetype start = isArc ? kArcFirstField : kLineFirstField;
    for (int i = 0; i < count; ++i) {
        const qsizetype end = start < line.size() ? line.indexOf('/', start) : -1;
        if (end < 0) FailUnclosedField(line);
        fields.Start[i] = start;
        fields.Size[i] = end - start;
        start = end + 1;
    }
    fields.Line = line;
    fields.Count = count;
    return fields;
}

long double ReadField(QStringView text)
{
    long double value = 0;
    if (ReadPlainNumber(text, value)) return value;
    return StrToFloat(text.toString());
}

static TLineStatement ConvertLine(const TFieldTexts& fields)
{
    TLineStatement line;
    line.X1 = ReadField(fields.Field(0));
    line.Y1 = ReadField(fields.Field(1));
    line.X2 = ReadField(fields.Field(2));
    line.Y2 = ReadField(fields.Field(3));
    line.Marked = fields.Field(4) == u"1";
    return line;
}

static TArcStatement ConvertArc(const TFieldTexts& fields)
{
    TArcStatement arc;
    long double* values[] = {&arc.XA, &arc.YA, &arc.XB, &arc.YB, &arc.XS, &arc.YS, &arc.XE, &arc.YE};
    for (int i = 0; i < kArcFields; ++i) *values[i] = ReadField(fields.Field(i));
    return arc;
}

TStatement ConvertStatement(const TFieldTexts& fields)
{
    TStatement statement;
    statement.Kind = fields.Kind;
    if (fields.Kind == TStatementKind::Line || fields.Kind == TStatementKind::Bore) statement.Line = ConvertLine(fields);
    if (fields.Kind == TStatementKind::Arc) statement.Arc = ConvertArc(fields);
    return statement;
}

TStatement ReadStatement(const QString& line) { return ConvertStatement(ReadFieldTexts(line)); }

TStatement ReadRequiredStatement(const QString& line)
{
    const TStatement statement = ReadStatement(line);
    if (statement.Kind == TStatementKind::None) ReadField(QString());
    return statement;
}

TLineStatement ReadLineStatement(const QString& line)
{
    TFieldTexts fields = ReadFieldTexts(line);
    if (fields.Kind != TStatementKind::Line) fields = TFieldTexts(); // fails on its first empty field
    return ConvertLine(fields);
}

// Halves first, so that two huge ends do not overflow their sum.
long double MidpointKey(const TStatement& statement)
{
    if (statement.Kind == TStatementKind::Arc) return statement.Arc.XS / 2 + statement.Arc.XE / 2;
    return statement.Line.X1 / 2 + statement.Line.X2 / 2;
}

QString LineStatementText(const QString& x1, const QString& y1, const QString& x2, const QString& y2,
                          const QString& flag)
{
    return "line " + x1 + '/' + y1 + '/' + x2 + '/' + y2 + '/' + flag + '/';
}

QString WriteLineStatement(const TLineStatement& line)
{
    return LineStatementText(FloatToStr(line.X1), FloatToStr(line.Y1), FloatToStr(line.X2),
                             FloatToStr(line.Y2), line.Marked ? "1" : "0");
}

QString WriteArcStatement(const TArcStatement& arc)
{
    QString text = "arc ";
    for (long double value : {arc.XA, arc.YA, arc.XB, arc.YB, arc.XS, arc.YS, arc.XE, arc.YE})
        text += FloatToStr(value) + '/';
    return text;
}

QString WriteBoreStatement(long double x1, long double r1, long double x2, long double r2)
{
    QString text = "bore ";
    for (long double value : {x1, r1, x2, r2}) text += FloatToStr(value) + '/';
    return text;
}
