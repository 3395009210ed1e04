// Every message box of the program goes through ShowMessage; the sink decides how it is shown
// (a modal box in the program, a recorder in tests).
#pragma once

#include <QString>
#include <functional>

using MessageSink = std::function<void(const QString&)>;

void ShowMessage(const QString& text);
// Installs a new sink and returns the one it replaces.
MessageSink SetMessageSink(MessageSink sink);
