#include "common/errors.h"

#include "common/messages.h"

#include <cmath>

KorvelError::KorvelError(QString text) : text_(std::move(text)), utf8_(text_.toStdString()) {}

void RaiseError(const QString& text) { throw KorvelError(text); }

long double CheckedDivide(long double a, long double b)
{
    if (b == 0) RaiseError(a == 0 || std::isnan(a) ? kInvalidOperation : kDivisionByZero);
    return CheckedValue(a / b);
}

long double CheckedValue(long double v)
{
    if (std::isnan(v)) RaiseError(kInvalidOperation);
    if (std::isinf(v)) RaiseError(kOverflow);
    return v;
}

void RunGuarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const KorvelError& error) {
        ShowMessage(error.Text());
    } catch (const std::exception& error) {
        ShowMessage(QString::fromUtf8(error.what()));
    }
}
