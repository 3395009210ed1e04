// Nothing a user made is lost with its file: every design the entry and the editor can reach
// opens again the same, a full disk leaves the old file, and files travel between machines of
// either decimal separator.
#include "analysis/load_entry.h"
#include "analysis/solver.h"
#include "canvas/canvas.h"
#include "common/errors.h"
#include "common/whole_file.h"
#include "design_samples.h"
#include "document/decimal_texts.h"
#include "document/design_file.h"
#include "document/design_journal.h"
#include "document/design_replay.h"
#include "profile/editor_commands.h"
#include "test_support.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>

namespace {

// A user of the load entry and of the editor's "Add", acting on the analysis and the journal as
// the windows do, on a few shared positions; each refusal is a message that changes nothing.
class TEntryUser {
public:
    explicit TEntryUser(unsigned seed) : random_(seed) { InitialiseEntryState(state); }

    void EnterDesign()
    {
        Act([&] {
            StartShaft(state);
            journal.StartShaft();
            ApplyShaftLength(state, 100);
            journal.ApplyLength(100);
        });
        for (int i = Whole(1, 4); i > 0; --i) Enter(TEntryKind::Bearing, true);
        journal.Reach(TPlaneStep::Forces);
        EnterLoads(true);
        if (Whole(0, 3) == 0 || !Calculate(true)) return;
        // Entered again, the vertical plane forgets its loads but not their positions.
        for (int round = Whole(1, 2); round > 0; --round) {
            ResetPartialPlane(state);
            journal.StartVertical();
            RenameBearingsVertical(state.Reactions);
            EnterLoads(false);
        }
        if (Whole(0, 1) == 0 && Calculate(false)) SortByPosition(state.Points);
        for (int i = Whole(0, 3); i > 0; --i) AddPoint();
    }

    TAnalysisState state;
    TDesignJournal journal;

private:
    void Act(const std::function<void()>& action) { FailureOf(action); }
    int Whole(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    long double Position() { return Whole(0, 8) * 12.5L; }

    void Enter(TEntryKind kind, bool horizontal)
    {
        if (Whole(0, 2) == 0) AddPoint();
        const long double position = Position();
        const long double value = Whole(1, 9) * 100;
        Act([&] {
            if (kind == TEntryKind::Bearing) AddBearing(state, position, horizontal);
            if (kind == TEntryKind::Force) AddForce(state, position, value, true, horizontal);
            if (kind == TEntryKind::Moment) AddMoment(state, position, value, true, horizontal);
            journal.Record({kind, position, kind == TEntryKind::Bearing ? 0 : value, 1});
        });
    }

    void EnterLoads(bool horizontal)
    {
        for (int i = Whole(0, 3); i > 0; --i) Enter(TEntryKind::Force, horizontal);
        journal.Reach(TPlaneStep::Moments);
        for (int i = Whole(0, 2); i > 0; --i) Enter(TEntryKind::Moment, horizontal);
        journal.Reach(TPlaneStep::Calculate);
    }

    bool Calculate(bool horizontal)
    {
        TData data;
        data.SetOriz(horizontal);
        const bool solved = FailureOf([&] { SolvePlane(state, data); }).isEmpty();
        if (solved) journal.Reach(TPlaneStep::Calculated);
        return solved;
    }

    void AddPoint()
    {
        const long double position = Position() + Whole(0, 1) * 6.25L;
        Act([&] {
            AddDimensioningPoint(state, position);
            journal.RecordPoint(position, false);
        });
    }

    std::mt19937 random_;
};

TDesign DesignOf(const TDesignJournal& journal)
{
    TDesign design;
    design.ShaftLength = journal.ShaftLength;
    design.Horizontal = journal.Horizontal;
    design.Vertical = journal.Vertical;
    design.AddedPoints = journal.AddedPoints;
    return design;
}

QString PositionsOf(const TPuncte& points)
{
    QString text;
    for (const TShaftPoint& point : points) text += QString::number(double(point.Position)) + (point.Bearing ? "b " : " ");
    return text;
}

QByteArray Contents(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

} // namespace

// One plane only, points added between entries, entries on the positions of earlier points, a
// vertical plane entered twice:
// each design opens, and its replay lists the very points the user's windows listed.
TEST(DesignKeeping, EveryDesignTheEntryCanReachOpensToTheSamePoints)
{
    for (unsigned seed = 1; seed <= 300; ++seed) {
        TEntryUser user(seed);
        user.EnterDesign();
        const TDesign design = DesignOf(user.journal);
        TDesign read;
        ASSERT_EQ(FailureOf([&] { read = DesignFromJson(DesignToJson(design)); }), "") << "seed " << seed;
        ASSERT_EQ(read, design) << "seed " << seed;
        TAnalysisState replayed;
        InitialiseEntryState(replayed);
        TData data;
        ReplayDesign(design, replayed, data);
        ASSERT_EQ(PositionsOf(replayed.Points).toStdString(), PositionsOf(user.state.Points).toStdString()) << "seed " << seed;
        ASSERT_EQ(replayed.PointCount, user.state.PointCount) << "seed " << seed;
    }
}

// The first version wrote the separator of the machine it ran on; the numbers keep their values
// on a machine of the other one, and a design written now opens under either.
TEST(DesignKeeping, NumbersTravelBetweenMachinesOfEitherSeparator)
{
    QByteArray comma = DesignToJson(SmallDesign());
    comma.replace("\"version\": 4", "\"version\": 1");
    comma.replace("\"0.308\"", "\"0,308\"");
    comma.replace("\"line 0/10/100/10/0/\"", "\"line 0/12,5/100/12,5/0/\"");
    comma.replace(R"([
        {
            "AfterEntries": 4,
            "OfForgottenLoad": false,
            "Position": "25"
        }
    ])", R"(["25"])");
    const TDesign first = DesignFromJson(comma);
    EXPECT_EQ(first.Dimensioning.TorsionCoeff, "0.308");
    EXPECT_EQ(first.Profile, QStringList{"line 0/12.5/100/12.5/0/"});
    EXPECT_EQ(first.AddedPoints, (std::vector<TAddedPoint>{{25, 4}}));

    DecimalSeparatorScope shownWithComma(',');
    EXPECT_EQ(DesignFromJson(comma), first);
    EXPECT_EQ(ShownDecimals(first).Profile, QStringList{"line 0/12,5/100/12,5/0/"});
    EXPECT_EQ(ShownDecimals(first).Dimensioning.TorsionCoeff, "0,308");
    EXPECT_EQ(StoredDecimals(ShownDecimals(first)), first);
    EXPECT_EQ(StoredDecimals(QString("1.5x,2")), "1,5x.2") << "a slip comes back as typed";
    TAnalysisState state;
    InitialiseEntryState(state);
    TData data;
    ReplayDesign(first, state, data);
    EXPECT_EQ(state.TorsionCoeff, 0.308L);
}

TEST(DesignKeeping, AFullDiskLeavesTheOldFileByteForByteAndSaysWhy)
{
    QTemporaryDir folder;
    const QString fileName = folder.filePath("old");
    const QByteArray old(13000, 'o');
    ASSERT_FALSE(TryWriteWholeFile(fileName, old));
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    const Canvas page(image);
    // Below the writer's buffer, the failure shows only when the buffer goes to disk.
    const struct {
        const char* what;
        std::function<void()> write;
        QString says;
    } writes[] = {
        {"small design", [&] { SaveDesignFile(fileName, QByteArray(5000, 'n')); },
         "The design could not be saved to \"" + fileName + "\": File too large. A file already there was left as it was."},
        {"large design", [&] { SaveDesignFile(fileName, QByteArray(60000, 'n')); }, "File too large."},
        {"export", [&] { WriteWholeFile(fileName, QByteArray(5000, 'n')); },
         "Cannot write the file \"" + fileName + "\": File too large"},
        {"page", [&] { page.SaveToBmp(fileName); }, "Cannot write file \"" + fileName + "\". File too large"},
    };
    for (const auto& write : writes) {
        const QString says = FailureOnANearlyFullDisk(4096, write.write);
        EXPECT_TRUE(says.contains(write.says)) << write.what << ": " << says.toStdString();
        EXPECT_EQ(Contents(fileName), old) << write.what;
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList("old")) << write.what;
    }
    const QString fresh = folder.filePath("fresh");
    EXPECT_FALSE(FailureOnANearlyFullDisk(4096, [&] { SaveDesignFile(fresh, QByteArray(5000, 'n')); })
                     .contains("already there"));
    EXPECT_EQ(FailureOnANearlyFullDisk(4096, [&] { SaveDesignFile(fresh, QByteArray(4000, 'n')); }), "")
        << "a file within the limit is written";
    EXPECT_EQ(Contents(fresh), QByteArray(4000, 'n'));
    EXPECT_EQ(FailureOf([&] { SaveDesignFile(fresh, QByteArray(60000, 'n')); }), "") << "this process is not limited";
}

// A file of any size is refused unread with one message.
TEST(DesignKeeping, AFileLargerThanAnyDesignIsRefusedUnread)
{
    QTemporaryDir folder;
    QFile large(folder.filePath("large.korvel"));
    ASSERT_TRUE(large.open(QIODevice::WriteOnly));
    ASSERT_TRUE(large.resize(kLargestDesignFile + 1));
    large.close();
    EXPECT_TRUE(FailureOf([&] { ReadDesignFile(large.fileName()); }).contains("larger than 32 MB"));
    ASSERT_TRUE(QFile::resize(large.fileName(), 10));
    EXPECT_EQ(ReadDesignFile(large.fileName()), QByteArray(10, '\0'));
}

// A pipe would keep the reader waiting for a writer for ever; a device never ends.
TEST(DesignKeeping, WhatIsNotARegularFileIsRefusedBeforeItIsOpened)
{
    QTemporaryDir folder;
    const QString pipe = folder.filePath("f.korvel");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& fileName : {pipe, QString("/dev/zero"), folder.path()}) {
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(FailureOf([&] { ReadDesignFile(fileName); }),
                  "The design \"" + fileName + "\" cannot be opened: it is not a regular file but a pipe, a device or a folder.");
        EXPECT_LT(clock.elapsed(), 1000) << fileName.toStdString();
    }
    EXPECT_TRUE(FailureOf([&] { ReadDesignFile(folder.filePath("none.korvel")); }).contains("No such file or directory"));
}

// Each refused with its one message, quickly, whatever it holds.
TEST(DesignKeeping, HostileFilesAreRefusedWithinASecond)
{
    const QByteArray good = DesignToJson(SmallDesign());
    const auto replaced = [&](const char* from, const QByteArray& to) { return QByteArray(good).replace(from, to); };
    const auto many = [](const QByteArray& item) {
        QByteArray list = "[";
        for (int i = 0; i < 1000000; ++i) list += item + ",";
        list.chop(1);
        return list + "]";
    };
    const struct {
        const char* what;
        QByteArray json;
        const char* says;
    } files[] = {
        {"50 MB of blanks", QByteArray(50 * 1024 * 1024, ' '), "not a JSON document"},
        {"nested 100000 deep", QByteArray(100000, '[') + QByteArray(100000, ']'), "not a JSON document"},
        {"a million lines", replaced("\"Profile\": [", "\"Profile\": " + many("\"\"") + ", \"Unused\": ["),
         "\"Profile\" of the design must be a list of at most 4096 items"},
        {"a million points", replaced("\"AddedPoints\": [", "\"AddedPoints\": " + many("{}") + ", \"Unused\": ["),
         "\"AddedPoints\" of the design must be a list of at most 255 items"},
        {"a million entries", replaced("\"Entries\": [", "\"Entries\": " + many("{}") + ", \"Unused\": ["),
         "\"Horizontal.Entries\" of the design must be a list of at most 765 items"},
        {"nan", replaced("\"ShaftLength\": \"100\"", "\"ShaftLength\": \"nan\""), "ShaftLength"},
        {"1e99999", replaced("\"ShaftLength\": \"100\"", "\"ShaftLength\": \"1e99999\""), "ShaftLength"},
        {"NUL in a line", replaced("line 0/10/", "line 0/\\u0000/"), "NUL"},
    };
    for (const auto& file : files) {
        QElapsedTimer clock;
        clock.start();
        const QString says = FailureOf([&] { DesignFromJson(file.json); });
        EXPECT_LT(clock.elapsed(), 1000) << file.what;
        EXPECT_TRUE(says.contains(file.says)) << file.what << ": " << says.left(300).toStdString();
    }
}
