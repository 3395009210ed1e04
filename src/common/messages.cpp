#include "common/messages.h"

#include <cstdio>

namespace {

void PrintMessage(const QString& text) { std::fprintf(stderr, "%s\n", qPrintable(text)); }

MessageSink& CurrentSink()
{
    static MessageSink sink = PrintMessage;
    return sink;
}

} // namespace

void ShowMessage(const QString& text) { CurrentSink()(text); }

MessageSink SetMessageSink(MessageSink sink)
{
    MessageSink previous = std::move(CurrentSink());
    CurrentSink() = sink ? std::move(sink) : MessageSink(PrintMessage);
    return previous;
}
