// The program's one failure type, and the guard every handler runs through.
#pragma once

#include <QString>
#include <exception>
#include <functional>
#include <string>

// A failure that ends the current action; its text is shown to the user.
class KorvelError : public std::exception {
public:
    explicit KorvelError(QString text);
    const QString& Text() const { return text_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    QString text_;
    std::string utf8_;
};

[[noreturn]] void RaiseError(const QString& text);

inline const QString kDivisionByZero = QStringLiteral("Floating point division by zero");
inline const QString kInvalidOperation = QStringLiteral("Invalid floating point operation");
inline const QString kOverflow = QStringLiteral("Floating point overflow");

// a / b, failing with the arithmetic messages instead of producing inf or NaN.
long double CheckedDivide(long double a, long double b);
// Returns v, or fails when it is NaN (invalid operation) or infinite (overflow).
long double CheckedValue(long double v);

// Runs a handler; a failure inside it is shown as a message and the program goes on.
// What the handler changed before the failure stays changed.
void RunGuarded(const std::function<void()>& handler);

// Wraps a member handler for a signal connection: connect(b, &QPushButton::clicked, Guarded(this, &T::Click)).
template <class Object>
auto Guarded(Object* object, void (Object::*handler)())
{
    return [object, handler] { RunGuarded([&] { (object->*handler)(); }); };
}
