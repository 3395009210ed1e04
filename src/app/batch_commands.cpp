// Each design is read, checked and replayed as opening it in the windows would; a failure is
// one message on stderr naming the file, and the next file is still checked.
#include "app/batch_commands.h"

#include "document/design_file.h"
#include "report/check_summary.h"
#include "report/design_exports.h"

#include <QGuiApplication>
#include <QJsonDocument>

#include <algorithm>
#include <cstdio>
#include <exception>

namespace {

enum TExitCode { kDone = 0, kCheckFails = 1, kCannotRead = 2 };

void Print(FILE* stream, const QString& text) { std::fputs(text.toLocal8Bit().constData(), stream); }

// A design whose figures changed since it was saved says so on stderr, as the window would.
TDesign OpenDesign(const QString& fileName)
{
    const TDesign design = DesignFromJson(ReadDesignFile(fileName));
    const QString notice = OlderDesignNotice(design);
    if (!notice.isEmpty()) Print(stderr, fileName + ": " + notice + '\n');
    return design;
}

int CheckOne(const QString& fileName, bool json)
{
    const TDesignChecks checks = CheckDesignWithoutWindows(OpenDesign(fileName));
    if (json)
        Print(stdout, QString::fromUtf8(QJsonDocument(CheckSummaryJson(fileName, checks)).toJson()));
    else
        Print(stdout, CheckSummaryText(fileName, checks));
    return DesignChecksPass(checks) ? kDone : kCheckFails;
}

// The worst outcome of all the files.
int CheckAll(const TCommandLine& commandLine)
{
    int worst = kDone;
    for (const QString& fileName : commandLine.Files) {
        try {
            worst = std::max(worst, CheckOne(fileName, commandLine.Json));
        } catch (const std::exception& error) {
            Print(stderr, fileName + ": " + QString::fromUtf8(error.what()) + '\n');
            worst = kCannotRead;
        }
    }
    return worst;
}

// The report's fonts need an application object; the offscreen platform needs no display.
void ExportPdf(const TDesign& design, const QString& designName, const QString& output)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "korvel";
    char* argv[] = {name, nullptr};
    const QGuiApplication application(argc, argv);
    ExportDesignPdf(design, designName, output);
}

int Export(const TCommandLine& commandLine)
{
    const QString& fileName = commandLine.Files.first();
    try {
        const TDesign design = OpenDesign(fileName);
        if (commandLine.Mode == TCommandMode::ExportStl) ExportDesignStl(design, commandLine.Output);
        if (commandLine.Mode == TCommandMode::ExportDxf) ExportDesignDxf(design, commandLine.Output);
        if (commandLine.Mode == TCommandMode::ExportPdf) ExportPdf(design, fileName, commandLine.Output);
    } catch (const std::exception& error) {
        Print(stderr, fileName + ": " + QString::fromUtf8(error.what()) + '\n');
        return kCannotRead;
    }
    return kDone;
}

} // namespace

int RunWithoutWindows(const TCommandLine& commandLine)
{
    switch (commandLine.Mode) {
    case TCommandMode::Check: return CheckAll(commandLine);
    case TCommandMode::ExportStl:
    case TCommandMode::ExportDxf:
    case TCommandMode::ExportPdf: return Export(commandLine);
    case TCommandMode::Usage: Print(stderr, commandLine.Text); return kCannotRead;
    case TCommandMode::Help:
    case TCommandMode::Version:
    case TCommandMode::Windows: break;
    }
    Print(stdout, commandLine.Text);
    return kDone;
}
