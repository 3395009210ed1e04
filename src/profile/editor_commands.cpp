#include "profile/editor_commands.h"

#include "analysis/load_entry.h"
#include "common/errors.h"
#include "common/number_text.h"
#include "profile/dhl_statement.h"

#include <QRegularExpression>
#include <algorithm>
#include <limits>

QString StepLineStatement(long double x, long double diameter, long double left, long double right)
{
    if (!(diameter > 0)) RaiseError(kDiameterNotPositive);
    const long double radius = CheckedValue(diameter / 2);
    return WriteLineStatement({CheckedValue(x + left), radius, CheckedValue(x + right), radius, false});
}

QString BoreStatement(long double from, long double to, long double diameter)
{
    if (!(from < to)) RaiseError(kBoreEndsReversed);
    if (!(diameter > 0)) RaiseError(kBoreDiameterNotPositive);
    const long double radius = CheckedValue(diameter / 2);
    return WriteBoreStatement(CheckedValue(from), radius, CheckedValue(to), radius);
}

// The span is taken from the smallest and the largest position: after the horizontal plane
// alone the positions are still in the order they were entered.
void AddDimensioningPoint(TAnalysisState& analysis, long double position)
{
    TPuncte& points = analysis.Points;
    const auto byPosition = [](const TShaftPoint& a, const TShaftPoint& b) { return a.Position < b.Position; };
    if (points.empty()) RaiseError(kOutsideShaft);
    const auto [first, last] = std::minmax_element(points.begin(), points.end(), byPosition);
    if (position < first->Position || position > last->Position) RaiseError(kOutsideShaft);
    if (analysis.PointCount == std::numeric_limits<uint8_t>::max()) RaiseError(kTooManyPoints);
    points.push_back({0, position});
    ++analysis.PointCount;
    SortByPosition(points);
}

int ReadInteger(const QString& text)
{
    static const QRegularExpression integer(QStringLiteral("^ *[+-]?[0-9]+$"));
    bool ok = integer.match(text).hasMatch();
    const int value = ok ? text.trimmed().toInt(&ok) : 0;
    if (!ok) RaiseError(QString("'%1' is not a valid integer value").arg(text));
    return value;
}

uint8_t ReadWidth(const QString& text)
{
    const int value = ReadInteger(text);
    if (value < 0 || value > 255) RaiseError(kWidthOutOfRange);
    return uint8_t(value);
}
