// Reading the fields of a JSON object with the path of each field at hand, so that a field that
// is missing or of the wrong kind fails with a message naming it ("Horizontal.Entries[2].Value").
#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

class TJsonFields {
public:
    TJsonFields(QJsonObject object, QString path);

    // The lists hold at most `most` items: a longer one is refused before any item is read.
    TJsonFields Object(const QString& key) const;
    std::vector<TJsonFields> Objects(const QString& key, qsizetype most) const;
    QString Text(const QString& key) const;
    // A text that designs written before the field existed lack: empty when missing.
    QString OptionalText(const QString& key) const;
    QStringList Texts(const QString& key, qsizetype most) const;
    long double Number(const QString& key) const;
    std::vector<long double> Numbers(const QString& key, qsizetype most) const;
    // A number, or null for none.
    std::optional<long double> OptionalNumber(const QString& key) const;
    bool Switch(const QString& key) const;
    int Integer(const QString& key, int lowest, int highest) const;
    // The index of the field's text among `names`.
    int Choice(const QString& key, const QStringList& names) const;

    QString PathOf(const QString& key) const;
    bool Has(const QString& key) const { return object_.contains(key); }

private:
    // An item of the list at `listPath`; its path is put together only for a message.
    TJsonFields(QJsonObject object, QString listPath, qsizetype index);

    QString Path() const;
    QJsonValue Require(const QString& key) const;
    QJsonArray RequireArray(const QString& key, qsizetype most) const;

    QJsonObject object_;
    QString path_;         // of the object, or of the list that holds it
    qsizetype index_ = -1; // in that list
};

[[noreturn]] void RaiseFieldError(const QString& path, const QString& expectation);
