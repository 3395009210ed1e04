#include "test_support.h"

#include "common/number_text.h"

MessageRecorder::MessageRecorder()
    : previous_(SetMessageSink([this](const QString& text) { texts << text; }))
{
}

MessageRecorder::~MessageRecorder() { SetMessageSink(previous_); }

DecimalSeparatorScope::DecimalSeparatorScope(QChar separator) : previous_(DecimalSeparator())
{
    SetDecimalSeparator(separator);
}

DecimalSeparatorScope::~DecimalSeparatorScope() { SetDecimalSeparator(previous_); }

QString SourcePath(const QString& relative) { return QString(KORVEL_SOURCE_DIR) + "/" + relative; }
