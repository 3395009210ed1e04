// The number fields of the fatigue page: a field of a given width, and an optional number that an
// empty field leaves unset.
#pragma once

#include "common/number_text.h"

#include <QLineEdit>
#include <optional>

inline QLineEdit* NumberEdit(QWidget* parent, int width)
{
    auto* edit = new QLineEdit(parent);
    edit->setFixedWidth(width);
    return edit;
}

inline QString OptionalText(const std::optional<long double>& value) { return value ? FloatToStr(*value) : QString(); }

inline std::optional<long double> ReadOptional(const QLineEdit* edit)
{
    if (edit->text().trimmed().isEmpty()) return std::nullopt;
    return StrToFloat(edit->text());
}
