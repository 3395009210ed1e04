// What the fuzz targets share: the Qt application that fonts and images need, the reading of an
// input as text, and the two outcomes an action may have: it runs through, or it fails with the
// program's own message. Anything else (a crash, another exception, a broken promise) aborts, so
// the fuzzer keeps the input.
#pragma once

#include "common/errors.h"

#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);

QString InputText(const uint8_t* data, size_t size);
// The input's lines, as a memo holds them.
QStringList InputLines(const uint8_t* data, size_t size);

// Prints what broke and which values showed it, then aborts.
[[noreturn]] void FuzzFailure(const char* what, const QString& detail = QString());

inline void Require(bool condition, const char* what, const QString& detail = QString())
{
    if (!condition) FuzzFailure(what, detail);
}

// Runs an action as a handler runs under the guard; true when it ran through. A failure must
// carry a text for the message box.
template <class Action>
bool Attempt(Action action)
{
    try {
        action();
        return true;
    } catch (const KorvelError& error) {
        Require(!error.Text().isEmpty(), "a failure without a message");
        return false;
    }
}
