// Reading the command line with Qt's parser, before the application object exists: the parser
// then only reads the list, and help and version are printed by us, not by the parser's own
// exits, which need an application object.
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QFile>

namespace {

const QString kProgramName = QStringLiteral("korvel");
const QString kUsageHint = QStringLiteral("Try 'korvel --help' for more information.");

void DescribeOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        "Korvel: the strength design of a machine shaft.\n\n"
        "--check exits with 0 when every check asked for was made and holds for every design, 1 when\n"
        "one fails or cannot be made, and 2 when a design cannot be read. Asked for are the strength,\n"
        "the slope and deflection, the fatigue and the first critical speed always (n/n_cr when a\n"
        "speed is given), the twist when a twisting moment is given, and the life of each bearing with\n"
        "a rating C. A check that cannot be made (no plane calculated, nothing drawn, no material\n"
        "applied) is listed under \"Not checked\" with its reason and fails the run. --json prints\n"
        "the documented schema of docs/check-json.md.");
    parser.addOptions({
        {{"h", "help"}, "Displays this help."},
        {{"v", "version"}, "Displays the version."},
        {"check", "Checks each design without windows and prints a summary of each."},
        {"json", "With --check: prints one JSON document per design."},
        {"export-stl", "Writes the design's solid as an STL file.", "out"},
        {"export-dxf", "Writes the design's drawing as a DXF file.", "out"},
        {"export-pdf", "Writes the design's calculation report as a PDF file.", "out"},
    });
    parser.addPositionalArgument("files", "Designs (.korvel) to open (one), check or export (one).", "[files...]");
}

// The parser names the program from the application object, which does not exist yet.
QString HelpText(const QCommandLineParser& parser)
{
    return parser.helpText().replace(QStringLiteral("<executable_name>"), kProgramName);
}

TCommandLine Usage(const QString& why)
{
    TCommandLine line;
    line.Mode = TCommandMode::Usage;
    line.Text = QStringLiteral("korvel: %1\n%2\n").arg(why, kUsageHint);
    return line;
}

TCommandLine Exporting(TCommandMode mode, const QString& output, const QStringList& files)
{
    if (files.size() != 1) return Usage("an export takes one design");
    TCommandLine line;
    line.Mode = mode;
    line.Output = output;
    line.Files = files;
    return line;
}

TCommandLine Command(const QCommandLineParser& parser)
{
    const QStringList files = parser.positionalArguments();
    const int commands = int(parser.isSet("check")) + int(parser.isSet("export-stl")) + int(parser.isSet("export-dxf")) +
                         int(parser.isSet("export-pdf"));
    if (commands > 1) return Usage("give one of --check, --export-stl, --export-dxf and --export-pdf");
    if (parser.isSet("json") && !parser.isSet("check")) return Usage("--json goes with --check");
    if (parser.isSet("export-stl")) return Exporting(TCommandMode::ExportStl, parser.value("export-stl"), files);
    if (parser.isSet("export-dxf")) return Exporting(TCommandMode::ExportDxf, parser.value("export-dxf"), files);
    if (parser.isSet("export-pdf")) return Exporting(TCommandMode::ExportPdf, parser.value("export-pdf"), files);
    TCommandLine line;
    line.Files = files;
    if (parser.isSet("check")) {
        if (files.isEmpty()) return Usage("--check needs at least one design");
        line.Mode = TCommandMode::Check;
        line.Json = parser.isSet("json");
        return line;
    }
    if (files.size() > 1) return Usage("only one design can be opened at a time");
    return line;
}

// Every byte beyond plain ASCII is shown as \xFF, so that the user sees which name is meant.
QString ShownBytes(const QByteArray& bytes)
{
    QString shown;
    for (const char byte : bytes) {
        const auto code = uchar(byte);
        if (code >= 0x20 && code < 0x7F) shown += QChar(code);
        else shown += "\\x" + QString::number(code, 16).toUpper().rightJustified(2, '0');
    }
    return shown;
}

} // namespace

TCommandLine ParseRawCommandLine(const QByteArrayList& rawArguments)
{
    QStringList arguments;
    for (const QByteArray& raw : rawArguments) {
        arguments << QFile::decodeName(raw);
        if (QFile::encodeName(arguments.last()) != raw)
            return Usage(QStringLiteral("the name \"%1\" is not UTF-8 text: another file would be read or written in "
                                        "its place")
                             .arg(ShownBytes(raw)));
    }
    return ParseCommandLine(arguments);
}

TCommandLine ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    DescribeOptions(parser);
    if (!parser.parse(arguments)) return Usage(parser.errorText());
    TCommandLine line;
    if (parser.isSet("help")) {
        line.Mode = TCommandMode::Help;
        line.Text = HelpText(parser);
    } else if (parser.isSet("version")) {
        line.Mode = TCommandMode::Version;
        line.Text = QStringLiteral("%1 %2\n").arg(kProgramName, QStringLiteral(KORVEL_VERSION));
    } else {
        line = Command(parser);
    }
    return line;
}
