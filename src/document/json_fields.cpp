#include "document/json_fields.h"

#include "common/errors.h"
#include "document/exact_number.h"

#include <QJsonArray>
#include <cmath>
#include <functional>

namespace {

QString ElementPath(const QString& path, qsizetype index)
{
    return path + "[" + QString::number(index) + "]";
}

// The path of a field, put together only when a message names it: a design holds thousands.
using TPathOf = std::function<QString()>;

QString TextOf(const QJsonValue& value, const TPathOf& path)
{
    if (!value.isString()) RaiseFieldError(path(), "a text");
    return value.toString();
}

long double NumberOf(const QJsonValue& value, const TPathOf& path)
{
    const auto number = ReadExactNumber(TextOf(value, path));
    if (!number) RaiseFieldError(path(), "a finite decimal number written as a text, such as \"12.5\"");
    return *number;
}

} // namespace

void RaiseFieldError(const QString& path, const QString& expectation)
{
    RaiseError("The field \"" + path + "\" of the design must be " + expectation + ".");
}

TJsonFields::TJsonFields(QJsonObject object, QString path) : object_(std::move(object)), path_(std::move(path)) {}

TJsonFields::TJsonFields(QJsonObject object, QString listPath, qsizetype index)
    : object_(std::move(object)), path_(std::move(listPath)), index_(index)
{
}

QString TJsonFields::Path() const { return index_ < 0 ? path_ : ElementPath(path_, index_); }

QString TJsonFields::PathOf(const QString& key) const
{
    const QString path = Path();
    return path.isEmpty() ? key : path + "." + key;
}

QJsonValue TJsonFields::Require(const QString& key) const
{
    const auto found = object_.constFind(key);
    if (found == object_.constEnd()) RaiseError("The design misses the field \"" + PathOf(key) + "\".");
    return *found;
}

QJsonArray TJsonFields::RequireArray(const QString& key, qsizetype most) const
{
    const QJsonValue value = Require(key);
    if (!value.isArray()) RaiseFieldError(PathOf(key), "a list");
    QJsonArray array = value.toArray();
    if (array.size() > most) RaiseFieldError(PathOf(key), "a list of at most " + QString::number(most) + " items");
    return array;
}

TJsonFields TJsonFields::Object(const QString& key) const
{
    const QJsonValue value = Require(key);
    if (!value.isObject()) RaiseFieldError(PathOf(key), "a group of fields");
    return TJsonFields(value.toObject(), PathOf(key));
}

std::vector<TJsonFields> TJsonFields::Objects(const QString& key, qsizetype most) const
{
    const QJsonArray array = RequireArray(key, most);
    std::vector<TJsonFields> objects;
    objects.reserve(array.size());
    const QString listPath = PathOf(key);
    for (qsizetype i = 0; i < array.size(); ++i) {
        if (!array[i].isObject()) RaiseFieldError(ElementPath(listPath, i), "a group of fields");
        objects.push_back(TJsonFields(array[i].toObject(), listPath, i));
    }
    return objects;
}

QString TJsonFields::Text(const QString& key) const
{
    return TextOf(Require(key), [&] { return PathOf(key); });
}

QString TJsonFields::OptionalText(const QString& key) const
{
    return Has(key) ? Text(key) : QString();
}

QStringList TJsonFields::Texts(const QString& key, qsizetype most) const
{
    const QJsonArray array = RequireArray(key, most);
    QStringList texts;
    texts.reserve(array.size());
    const QString listPath = PathOf(key);
    for (qsizetype i = 0; i < array.size(); ++i) texts += TextOf(array[i], [&] { return ElementPath(listPath, i); });
    return texts;
}

long double TJsonFields::Number(const QString& key) const
{
    return NumberOf(Require(key), [&] { return PathOf(key); });
}

std::vector<long double> TJsonFields::Numbers(const QString& key, qsizetype most) const
{
    const QJsonArray array = RequireArray(key, most);
    std::vector<long double> numbers;
    numbers.reserve(array.size());
    const QString listPath = PathOf(key);
    for (qsizetype i = 0; i < array.size(); ++i)
        numbers.push_back(NumberOf(array[i], [&] { return ElementPath(listPath, i); }));
    return numbers;
}

std::optional<long double> TJsonFields::OptionalNumber(const QString& key) const
{
    const QJsonValue value = Require(key);
    if (value.isNull()) return std::nullopt;
    return NumberOf(value, [&] { return PathOf(key); });
}

bool TJsonFields::Switch(const QString& key) const
{
    const QJsonValue value = Require(key);
    if (!value.isBool()) RaiseFieldError(PathOf(key), "true or false");
    return value.toBool();
}

int TJsonFields::Integer(const QString& key, int lowest, int highest) const
{
    const QJsonValue value = Require(key);
    const double number = value.toDouble();
    if (!value.isDouble() || number != std::floor(number) || number < lowest || number > highest)
        RaiseFieldError(PathOf(key), "a whole number from " + QString::number(lowest) + " to " +
                                         QString::number(highest));
    return int(number);
}

int TJsonFields::Choice(const QString& key, const QStringList& names) const
{
    const int index = int(names.indexOf(Text(key)));
    if (index < 0) RaiseFieldError(PathOf(key), "one of \"" + names.join("\", \"") + "\"");
    return index;
}
