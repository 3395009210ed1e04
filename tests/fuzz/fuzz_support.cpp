#include "fuzz_support.h"

#include "common/messages.h"
#include "common/number_text.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Text is measured and drawn with real fonts, which need an application; no window is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    SetDecimalSeparator('.');
    SetMessageSink([](const QString&) {});
    return 0;
}

QString InputText(const uint8_t* data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
}

QStringList InputLines(const uint8_t* data, size_t size)
{
    QStringList lines = InputText(data, size).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

void FuzzFailure(const char* what, const QString& detail)
{
    std::fprintf(stderr, "fuzz failure: %s %s\n", what, qPrintable(detail));
    std::abort();
}
