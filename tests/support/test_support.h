// Helpers shared by the test programs.
#pragma once

#include "common/errors.h"
#include "common/messages.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <functional>

// The message of the failure that ends `action`, or an empty text when it runs through.
template <class Action>
QString FailureOf(Action action)
{
    try {
        action();
    } catch (const KorvelError& error) {
        return error.Text();
    }
    return QString();
}

// Records every message the program shows while it is alive, instead of a modal box.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    QStringList texts;

private:
    MessageSink previous_;
};

// Sets the decimal separator for the lifetime of the object.
class DecimalSeparatorScope {
public:
    explicit DecimalSeparatorScope(QChar separator);
    ~DecimalSeparatorScope();
    DecimalSeparatorScope(const DecimalSeparatorScope&) = delete;
    DecimalSeparatorScope& operator=(const DecimalSeparatorScope&) = delete;

private:
    QChar previous_;
};

// Path of a file in the source tree, for test data committed with the project.
QString SourcePath(const QString& relative);

// Checks that a file is an uncompressed 24-bit Windows bitmap of the given size.
void ExpectBitmapFile(const QString& fileName, int width, int height);

// Runs `write` in a child process whose files cannot grow beyond `bytes`, as on a nearly full
// disk (a write past it fails instead of ending the child), and returns the message of the
// failure that ends it there, or an empty text when it runs through. This process is never
// limited.
QString FailureOnANearlyFullDisk(long bytes, const std::function<void()>& write);
