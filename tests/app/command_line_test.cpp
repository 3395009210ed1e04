// The command line: what it accepts, the checks' exit codes and summaries from a program started
// without a display, the JSON rows against the shaft check window's table, and exports that are
// the very files the windows write.
#include "../document/design_samples.h"
#include "../report/poppler.h"

#include "analysis/analysis_state.h"
#include "app/command_line.h"
#include "document/design_file.h"
#include "test_support.h"
#include "windows/editor/deflection_tab.h"
#include "windows/editor/fatigue_tab.h"
#include "windows/editor/tform13.h"
#include "windows/editor/tform7.h"
#include "windows/main/tform1.h"
#include "windows/main/window_set.h"
#include "windows/view3d/tform9.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct TRun {
    int ExitCode = -1;
    QString Out, Err;
};

// The program as a script starts it: no display at all.
TRun Korvel(const QStringList& arguments)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    program.setProcessEnvironment(environment);
    program.start(KORVEL_PROGRAM, arguments);
    EXPECT_TRUE(program.waitForFinished(60000));
    return {program.exitCode(), QString::fromLocal8Bit(program.readAllStandardOutput()),
            QString::fromLocal8Bit(program.readAllStandardError())};
}

class CommandLineTest : public ::testing::Test {
protected:
    QString Save(const QString& name, const TDesign& design)
    {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(DesignToJson(design));
        return file.fileName();
    }
    QByteArray Bytes(const QString& name)
    {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir folder;
};

TEST(CommandLine, ReadsCommandsAndRefusesWhatDoesNotFit)
{
    const auto mode = [](const QStringList& arguments) {
        return ParseCommandLine(QStringList{"korvel"} + arguments).Mode;
    };
    EXPECT_EQ(mode({}), TCommandMode::Windows);
    EXPECT_EQ(mode({"a.korvel"}), TCommandMode::Windows);
    EXPECT_EQ(mode({"--help"}), TCommandMode::Help);
    EXPECT_EQ(mode({"--version"}), TCommandMode::Version);
    EXPECT_EQ(mode({"--check", "a.korvel", "b.korvel"}), TCommandMode::Check);
    EXPECT_EQ(mode({"--export-stl", "out.stl", "a.korvel"}), TCommandMode::ExportStl);
    EXPECT_EQ(mode({"--export-dxf", "out.dxf", "a.korvel"}), TCommandMode::ExportDxf);
    EXPECT_EQ(mode({"--export-pdf", "out.pdf", "a.korvel"}), TCommandMode::ExportPdf);
    for (const QStringList& wrong : {QStringList{"--bogus"}, {"a.korvel", "b.korvel"}, {"--check"}, {"--json", "a.korvel"},
                                     {"--export-stl", "out.stl"}, {"--export-dxf", "out.dxf", "a.korvel", "b.korvel"},
                                     {"--check", "--export-stl", "out.stl", "a.korvel"},
                                     {"--export-pdf", "out.pdf", "--export-dxf", "out.dxf", "a.korvel"}})
        EXPECT_EQ(mode(wrong), TCommandMode::Usage) << wrong.join(' ').toStdString();
    EXPECT_TRUE(ParseCommandLine({"korvel", "--check", "--json", "a.korvel"}).Json);
}

TEST_F(CommandLineTest, ChecksExitWithTheWorstOutcomeOfAllTheDesigns)
{
    const QString ample = Save("ample.korvel", Cylinder("40")), thin = Save("thin.korvel", Cylinder("10"));
    const TRun passing = Korvel({"--check", ample});
    EXPECT_EQ(passing.ExitCode, 0) << passing.Err.toStdString();
    EXPECT_TRUE(passing.Out.startsWith("== " + ample + ": passed\nStrength\n")) << passing.Out.toStdString();
    EXPECT_TRUE(passing.Out.contains("Weakest section: x = ")) << passing.Out.toStdString();
    EXPECT_TRUE(passing.Out.contains("\nCritical speed\n  First critical speed: n_cr = ")) << passing.Out.toStdString();
    EXPECT_TRUE(passing.Out.contains("\nFatigue\n")) << passing.Out.toStdString();

    const TRun failing = Korvel({"--check", ample, thin});
    EXPECT_EQ(failing.ExitCode, 1);
    EXPECT_TRUE(failing.Out.contains("== " + thin + ": FAILED")) << failing.Out.toStdString();

    const QString absent = folder.filePath("absent.korvel");
    const TRun unreadable = Korvel({"--check", thin, absent, ample});
    EXPECT_EQ(unreadable.ExitCode, 2);
    EXPECT_TRUE(unreadable.Err.startsWith(absent + ": ")) << unreadable.Err.toStdString();
    EXPECT_TRUE(unreadable.Out.contains(ample)) << "the files after a bad one are still checked";

    const TRun usage = Korvel({"--export-stl"});
    EXPECT_EQ(usage.ExitCode, 2);
    EXPECT_TRUE(usage.Err.contains("korvel --help"));
}

// Exit 0 means "checked, and it holds": a check that cannot be made fails the run with its reason.
TEST_F(CommandLineTest, ACheckThatCannotBeMadeFailsTheRunWithItsReason)
{
    // Saved after "Load in horizontal plane" was pressed again: the loads are there, no plane is.
    TDesign uncalculated = Cylinder("40");
    uncalculated.Horizontal.Step = TPlaneStep::Forces;
    uncalculated.Vertical = {};
    uncalculated.AddedPoints.clear();
    TDesign undrawn = Cylinder("40");
    undrawn.Profile.clear();
    // A rating asks for the bearing's life, which needs the operating speed.
    TDesign noSpeed = Cylinder("40");
    noSpeed.Check.Fatigue.Bearings[0].Rating = 20;
    const struct {
        QString file;
        QString firstLines;
    } cases[] = {
        {Save("uncalculated.korvel", uncalculated),
         "Not checked\n  Strength: not checked: neither plane is calculated\n"
         "  Slope and deflection: not checked: neither plane is calculated\n"
         "  Fatigue: not checked: neither plane is calculated\n"},
        {Save("undrawn.korvel", undrawn),
         "Not checked\n  Strength: not checked: nothing is drawn\n  Slope and deflection: not checked: nothing is drawn\n"
         "  Critical speed: not checked: nothing is drawn\n  Fatigue: not checked: nothing is drawn\n"
         "  Twist: not checked: nothing is drawn\n"},
        {Save("nospeed.korvel", noSpeed), "Not checked\n  Bearing A life: not checked: no operating speed given\nStrength\n"},
    };
    for (const auto& design : cases) {
        const TRun run = Korvel({"--check", design.file});
        EXPECT_EQ(run.ExitCode, 1) << run.Out.toStdString();
        EXPECT_TRUE(run.Out.startsWith("== " + design.file + ": FAILED\n" + design.firstLines)) << run.Out.toStdString();
        const QJsonObject json = QJsonDocument::fromJson(Korvel({"--check", "--json", design.file}).Out.toUtf8()).object();
        EXPECT_FALSE(json["passed"].toBool());
        EXPECT_EQ(json["notChecked"].toArray()[0].toObject()["check"].toString(),
                  design.file.endsWith("nospeed.korvel") ? "bearing A life" : "strength");
    }
    EXPECT_TRUE(Korvel({"--help"}).Out.contains("1 when\none fails or cannot be made"));
}

// A shaft of 40 mm stepped down to 30 mm at the load, with bearing ratings and a speed: the JSON
// carries its version, the inputs it used and the figures behind every verdict, consistent with
// one another.
TEST_F(CommandLineTest, JsonCarriesItsVersionTheInputsAndTheFiguresBehindEachVerdict)
{
    TDesign design = SmallDesign();
    design.Profile = {"line 0/0/0/20/0/", "line 0/20/50/20/0/", "line 50/20/50/15/0/", "line 50/15/100/15/0/",
                      "line 100/15/100/0/0/"};
    design.Check.Speed = 1500;
    design.Check.Fatigue.Bearings = {{{TBearingKind::Ball, 20}, {TBearingKind::Roller, 30, 2e5L}}};
    design.Check.Fatigue.Bearings[4].Rating = 50; // of a bearing E the shaft does not stand on
    design.Check.Fatigue.LocatingBearing = 1;
    const QString file = Save("stepped.korvel", design);
    const QJsonObject json = QJsonDocument::fromJson(Korvel({"--check", "--json", file}).Out.toUtf8()).object();
    EXPECT_EQ(json["format"].toString(), "korvel-check");
    EXPECT_EQ(json["version"].toInt(), 4);
    EXPECT_EQ(json["inputs"]["bearings"].toArray().size(), 2) << "the entered bearings only";
    EXPECT_EQ(json["fatigue"]["bearings"].toArray().size(), 2);
    EXPECT_EQ(json["inputs"]["locatingBearing"].toString(), "B");
    EXPECT_EQ(json["units"].toObject()["moment"].toString(), "N*mm");
    EXPECT_EQ(json["units"].toObject()["stiffness"].toString(), "N/mm");
    // The text names the elastic bearing under both figures it moves.
    const QString text = Korvel({"--check", file}).Out;
    EXPECT_EQ(text.count("  Bearings on springs: A rigid, B 200000 N/mm\n"), 2) << text.toStdString();

    const QJsonObject inputs = json["inputs"].toObject();
    EXPECT_EQ(inputs["speed"].toDouble(), 1500);
    EXPECT_EQ(inputs["ultimateStrength"].toDouble(), 400) << "the applied material's";
    EXPECT_EQ(inputs["twistingMoment"].toDouble(), 1000000);
    EXPECT_EQ(inputs["torqueSpan"].toObject()["to"].toDouble(), 100);
    EXPECT_EQ(inputs["bearings"].toArray()[1].toObject()["kind"].toString(), "roller");
    EXPECT_EQ(inputs["bearings"].toArray()[1].toObject()["stiffness"].toDouble(), 2e5);
    EXPECT_EQ(inputs["bearings"].toArray()[0].toObject()["stiffness"].toDouble(), 0) << "rigid";

    const QJsonObject fatigue = json["fatigue"].toObject();
    bool sawShoulder = false;
    for (const QJsonValue& value : fatigue["rows"].toArray()) {
        const QJsonObject row = value.toObject();
        if (!row["computed"].toBool()) continue;
        EXPECT_NEAR(row["Kf"].toDouble(), 1 + row["q"].toDouble() * (row["Kt"].toDouble() - 1), 1e-9);
        EXPECT_NEAR(row["Kfs"].toDouble(), 1 + row["qs"].toDouble() * (row["Kts"].toDouble() - 1), 1e-9);
        EXPECT_GT(row["Se"].toDouble(), 0);
        if (!row["shoulder"].toBool()) continue;
        sawShoulder = true;
        EXPECT_TRUE(row["radiusEstimated"].toBool()) << "a sharp corner";
        EXPECT_EQ(row["d"].toDouble(), 30);
        EXPECT_NEAR(row["T"].toDouble(), 1000000, 1e-6);
    }
    EXPECT_TRUE(sawShoulder);
    const QJsonObject weakest = fatigue["weakest"].toObject();
    const QJsonObject weakestRow = fatigue["rows"].toArray()[weakest["row"].toInt()].toObject();
    EXPECT_EQ(weakest["position"].toDouble(), weakestRow["position"].toDouble());
    for (const QJsonValue& value : fatigue["bearings"].toArray()) {
        const QJsonObject bearing = value.toObject();
        EXPECT_NEAR(bearing["hours"].toDouble() * 60 * 1500 / 1e6, bearing["revolutions"].toDouble(),
                    1e-9 * bearing["revolutions"].toDouble());
    }

    QStringList loadsAt50;
    for (const QJsonValue& value : json["deflection"].toObject()["rows"].toArray())
        for (const QJsonValue& load : value.toObject()["loads"].toArray())
            loadsAt50 << load.toObject()["name"].toString() + " " + load.toObject()["plane"].toString();
    EXPECT_EQ(loadsAt50, QStringList({"FH1 horizontal", "FV1 vertical"}));
    EXPECT_TRUE(json["notChecked"].toArray().isEmpty());
}

// A chain sprocket of d = 100 mm passing 100 N*m pulls Ft = 2000 * 100 / 100 = 2000 N at 180 deg,
// down the vertical page ("against the reactions"); the coupling at the other end takes the torque
// off again. The sprocket's 5 kg weigh on the critical speed as a typed mass of 5 kg at 25 mm does.
TEST_F(CommandLineTest, JsonListsTheElementsAndTheirMassesJoinTheCriticalSpeed)
{
    TDesign design = Cylinder("20");
    TMachineElement sprocket;
    sprocket.Kind = TElementKind::ChainSprocket;
    sprocket.Position = 25;
    sprocket.Mass = 5;
    sprocket.Torque = 100;
    sprocket.Diameter = 100;
    sprocket.Angle = 180;
    TMachineElement coupling;
    coupling.Kind = TElementKind::Coupling;
    coupling.Position = 100;
    coupling.Torque = 100;
    coupling.Flow = TPowerFlow::Driven;
    design.Elements = {sprocket, coupling};
    const QJsonObject json = QJsonDocument::fromJson(Korvel({"--check", "--json", Save("chain.korvel", design)}).Out.toUtf8()).object();
    const QJsonObject elements = json["elements"].toObject();
    EXPECT_TRUE(elements["torquesBalance"].toBool());
    const QJsonArray list = elements["list"].toArray();
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[0]["name"].toString(), "sprocket 1");
    EXPECT_EQ(list[1]["name"].toString(), "coupling 1");
    EXPECT_EQ(list[1]["torque"].toDouble(), -100);
    const QJsonObject pull = list[0]["vertical"].toArray()[0].toObject();
    EXPECT_EQ(pull["value"].toDouble(), 2000);
    EXPECT_EQ(pull["sense"].toString(), "against the reactions");
    EXPECT_TRUE(list[0]["horizontal"].toArray().isEmpty());

    TDesign typed = Cylinder("20");
    typed.Vertical.Entries.push_back({TEntryKind::Force, 25, 2000, 0});
    typed.Check.Masses = {{25, 5}};
    const QJsonObject typedJson = QJsonDocument::fromJson(Korvel({"--check", "--json", Save("typed.korvel", typed)}).Out.toUtf8()).object();
    const double critical = json["criticalSpeed"]["criticalSpeed"].toDouble();
    EXPECT_EQ(critical, typedJson["criticalSpeed"]["criticalSpeed"].toDouble());
    const QJsonObject bare = QJsonDocument::fromJson(Korvel({"--check", "--json", Save("bare.korvel", Cylinder("20"))}).Out.toUtf8()).object();
    EXPECT_LT(critical, bare["criticalSpeed"]["criticalSpeed"].toDouble());
}

// A design saved when only A and B carried load says on stderr that C now carries it too. C, under
// both loads of 1000 N, takes them whole: P = 1000 * sqrt(2) = 1414.21 N; rated 30 kN, a ball
// bearing lives (30000 / 1414.21)^3 = 9545.94 million revolutions, at 1000 rpm 159,099 h.
TEST_F(CommandLineTest, AnOlderDesignOnThreeBearingsSaysSoAndChecksEachBearing)
{
    TDesign design = Cylinder("20");
    design.Horizontal.Entries.insert(design.Horizontal.Entries.begin() + 2, {TEntryKind::Bearing, 50, 0, 1});
    design.Check.Speed = 1000;
    design.Check.Fatigue.Bearings[2].Rating = 30;
    QByteArray older = DesignToJson(design);
    older.replace("\"version\": 4", "\"version\": 2");
    const QString file = folder.filePath("older.korvel");
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(older);
    out.close();
    const TRun run = Korvel({"--check", file});
    EXPECT_EQ(run.Err, file + ": This design's bearing C now carries load: its reactions differ from those it was "
                              "saved with.\n");
    EXPECT_TRUE(run.Out.contains("  Bearing A: P = 0.00 N: no rating C given\n  Bearing B: P = 0.00 N: no rating C given\n"
                                 "  Bearing C: P = 1414.21 N, L10 = 9545.94 million revolutions, L10h = 159099 h\n"))
        << run.Out.toStdString();
}

// Loads near the largest double on a wire of a shaft: the stresses no double can hold refuse their
// check with the reason, never a JSON null or a row of thousands of digits.
TEST_F(CommandLineTest, ResultsBeyondADoubleRefuseTheirCheck)
{
    TDesign design = Cylinder("0.05");
    design.Horizontal.Entries[2].Value = design.Vertical.Entries[0].Value = 1e306L;
    const QString file = Save("huge.korvel", design);
    const TRun text = Korvel({"--check", file});
    EXPECT_EQ(text.ExitCode, 1) << text.Err.toStdString();
    EXPECT_TRUE(text.Out.contains("  Fatigue: not checked: results too large to represent (beyond 1.8E308): check the loads\n"))
        << text.Out.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(Korvel({"--check", "--json", file}).Out.toUtf8()).object();
    const QJsonObject fatigue = json["fatigue"].toObject();
    EXPECT_TRUE(fatigue["rows"].toArray().isEmpty());
    EXPECT_EQ(fatigue["problem"].toString(), "Results too large to represent (beyond 1.8E308): check the loads");
    EXPECT_EQ(json["notChecked"].toArray().last().toObject()["check"].toString(), "fatigue");
}

// Shell commands run in `folder`, so that an argument can hold any bytes; "$2" is the program.
TRun KorvelInShell(const QString& folder, const QString& commands)
{
    QProcess shell;
    shell.start("/bin/sh", {"-c", "cd \"$1\" && " + commands, "sh", folder, KORVEL_PROGRAM});
    EXPECT_TRUE(shell.waitForFinished(60000));
    return {shell.exitCode(), QString::fromLocal8Bit(shell.readAllStandardOutput()),
            QString::fromLocal8Bit(shell.readAllStandardError())};
}

// Read as text, a byte that is not UTF-8 became U+FFFD, and another file was written or sought.
TEST_F(CommandLineTest, ANameThatIsNotTextIsRefusedAndNothingIsWrittenInItsPlace)
{
    EXPECT_EQ(ParseRawCommandLine(QByteArrayList{"korvel", "--check", "a\xFF.korvel"}).Mode, TCommandMode::Usage);
    EXPECT_EQ(ParseRawCommandLine(QByteArrayList{"korvel", "--check", "\xC3\xA4.korvel"}).Files, QStringList{"\u00E4.korvel"});

    Save("design.korvel", Cylinder("40"));
    for (const QString& format : {"stl", "dxf", "pdf"}) {
        const TRun run = KorvelInShell(folder.path(), "exec \"$2\" --export-" + format + " \"$(printf 'bad\\377name')\" design.korvel");
        EXPECT_EQ(run.ExitCode, 2) << format.toStdString();
        EXPECT_TRUE(run.Err.startsWith("korvel: the name \"bad\\xFFname\" is not UTF-8 text: another file would be read or written in its place\n"))
            << run.Err.toStdString();
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"design.korvel"}) << format.toStdString();
    }
    const TRun check = KorvelInShell(folder.path(), "cp design.korvel \"$(printf 'bad\\377name')\" && exec \"$2\" --check \"$(printf 'bad\\377name')\"");
    EXPECT_EQ(check.ExitCode, 2);
    EXPECT_TRUE(check.Err.contains("bad\\xFFname\" is not UTF-8 text")) << check.Err.toStdString();
}

// The window set, for the same design opened as the user opens it.
class CommandLineAndWindowsTest : public CommandLineTest {
protected:
    void SetUp() override
    {
        Analysis = TAnalysisState();
        CreateWindowSet();
    }
    void TearDown() override { DestroyWindowSet(); }
    MessageRecorder messages;
};

TEST_F(CommandLineAndWindowsTest, JsonRowsAreTheShaftCheckWindowsRows)
{
    for (const QString& radius : {"40", "10"}) {
        const QString file = Save("design" + radius + ".korvel", Cylinder(radius));
        const QJsonObject json = QJsonDocument::fromJson(Korvel({"--check", "--json", file}).Out.toUtf8()).object();
        Form1->OpenFile(file);
        Form7->VerificationButtonClick();
        const QTableWidget* table = Form7->VerificationWindow().Table1;
        const QJsonArray rows = json["strength"].toObject()["rows"].toArray();
        ASSERT_EQ(rows.size(), table->rowCount());
        for (int i = 0; i < rows.size(); ++i) {
            const QJsonObject row = rows[i].toObject();
            EXPECT_NEAR(row["position"].toDouble(), table->item(i, 0)->text().toDouble(), 1e-9);
            EXPECT_NEAR(row["ratio"].toDouble(), table->item(i, 4)->text().toDouble(), 0.005);
            EXPECT_EQ(row["verdict"].toString() == "too small", table->item(i, 5)->text().contains("too small"));
        }
        EXPECT_EQ(json["strength"].toObject()["weakest"].toObject()["text"].toString(),
                  Form7->VerificationWindow().Label1->text());
        // The other tabs list the rows the JSON lists, each tab worked out as it is shown.
        TForm13& window = Form7->VerificationWindow();
        for (int tab = 1; tab < window.Tabs->count(); ++tab) window.Tabs->setCurrentIndex(tab);
        EXPECT_EQ(json["deflection"].toObject()["rows"].toArray().size(), window.DeflectionTab->Table->rowCount());
        EXPECT_EQ(json["fatigue"].toObject()["rows"].toArray().size(), window.FatigueTab->Table->model()->rowCount());
        EXPECT_EQ(json["passed"].toBool(), radius == "40");
    }
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

// The report from a script on a machine without a display; a place it cannot write is exit 2.
TEST_F(CommandLineTest, ExportPdfWritesTheReportWithoutADisplay)
{
    const QString file = Save("design.korvel", Cylinder("40"));
    const TRun run = Korvel({"--export-pdf", folder.filePath("report.pdf"), file});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_EQ(PdfInfo(folder.filePath("report.pdf")).PageSize, "595 x 842 pts (A4)");
    EXPECT_TRUE(PdfText(folder.filePath("report.pdf")).contains("Design " + file));
    const TRun unwritable = Korvel({"--export-pdf", folder.filePath("missing/report.pdf"), file});
    EXPECT_EQ(unwritable.ExitCode, 2);
    EXPECT_TRUE(unwritable.Err.contains("Cannot write the file")) << unwritable.Err.toStdString();
}

TEST_F(CommandLineAndWindowsTest, ExportsAreTheFilesTheWindowsWrite)
{
    TDesign design = Cylinder("40");
    design.View.Slices = TSlicesChoice::SpinValue;
    design.View.SpinSlices = 7;
    const QString file = Save("design.korvel", design);
    ASSERT_EQ(Korvel({"--export-stl", folder.filePath("cli.stl"), file}).ExitCode, 0);
    ASSERT_EQ(Korvel({"--export-dxf", folder.filePath("cli.dxf"), file}).ExitCode, 0);

    Form1->OpenFile(file);
    Form7->AskDxfFileName = [&] { return folder.filePath("window.dxf"); };
    Form7->ExportDxfButtonClick();
    Form7->IBtn2Click();
    Form9->AskStlFileName = [&] { return folder.filePath("window.stl"); };
    Form9->ExportStlButtonClick();
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
    EXPECT_FALSE(Bytes("cli.stl").isEmpty());
    EXPECT_EQ(Bytes("cli.stl"), Bytes("window.stl"));
    EXPECT_FALSE(Bytes("cli.dxf").isEmpty());
    EXPECT_EQ(Bytes("cli.dxf"), Bytes("window.dxf"));
}

} // namespace
