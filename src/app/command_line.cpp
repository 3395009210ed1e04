// Reading the command line with Qt's parser, before the application object exists: the parser
// then only reads the list, and help and version are printed by us, not by the parser's own
// exits, which need an application object.
#include "app/command_line.h"

#include <QCommandLineParser>

#include <cstdio>

namespace {

const QString kProgramName = QStringLiteral("korvel");
const QString kUsageHint = QStringLiteral("Try 'korvel --help' for more information.");

void DescribeOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral("Korvel: the strength design of a machine shaft."));
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays this help.")});
    parser.addOption({{QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Displays the version.")});
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A design (.korvel) to open."),
                                 QStringLiteral("[file]"));
}

// The parser names the program from the application object, which does not exist yet.
QString HelpText(const QCommandLineParser& parser)
{
    return parser.helpText().replace(QStringLiteral("<executable_name>"), kProgramName);
}

TCommandLine Usage(const QString& why)
{
    return {TCommandMode::Usage, {}, QStringLiteral("korvel: %1\n%2\n").arg(why, kUsageHint)};
}

} // namespace

TCommandLine ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    DescribeOptions(parser);
    if (!parser.parse(arguments)) return Usage(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) return {TCommandMode::Help, {}, HelpText(parser)};
    if (parser.isSet(QStringLiteral("version")))
        return {TCommandMode::Version, {}, QStringLiteral("%1 %2\n").arg(kProgramName, QStringLiteral(KORVEL_VERSION))};
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) return Usage(QStringLiteral("only one design can be opened at a time"));
    return {TCommandMode::Windows, files, {}};
}

int RunWithoutWindows(const TCommandLine& commandLine)
{
    const bool failed = commandLine.Mode == TCommandMode::Usage;
    std::fputs(commandLine.Text.toLocal8Bit().constData(), failed ? stderr : stdout);
    return failed ? 2 : 0;
}
