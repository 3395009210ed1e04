// A design file that another program may have changed: what is asked, on real files.
#include "common/whole_file.h"
#include "document/file_stamp.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

TEST(FileStamp, OnlyBytesThatAnotherProgramChangedAreAskedAbout)
{
    QTemporaryDir folder;
    const QString file = folder.filePath("a.korvel");
    WriteWholeFile(file, "{\"x\": 1}");
    const TFileStamp known = StampOf("{\"x\": 1}");
    EXPECT_EQ(QuestionBeforeSaving(known, StampOnDisk(file)), TFileQuestion::None) << "as written here";
    EXPECT_EQ(QuestionOnChange(known, StampOnDisk(file), std::nullopt, true), TFileQuestion::None)
        << "the watcher's signal for a save of our own";

    // The same size, written within one tick of the file clock.
    WriteWholeFile(file, "{\"x\": 2}");
    const std::optional<TFileStamp> changed = StampOnDisk(file);
    EXPECT_EQ(QuestionBeforeSaving(known, changed), TFileQuestion::Overwrite);
    EXPECT_EQ(QuestionOnChange(known, changed, std::nullopt, false), TFileQuestion::Reload);
    EXPECT_EQ(QuestionOnChange(known, changed, std::nullopt, true), TFileQuestion::ReloadLosingChanges);
    EXPECT_EQ(QuestionOnChange(known, changed, changed, true), TFileQuestion::None) << "asked once a version";

    WriteWholeFile(file, "{\"x\": 1}");
    EXPECT_EQ(QuestionBeforeSaving(known, StampOnDisk(file)), TFileQuestion::None) << "the same bytes again";

    ASSERT_TRUE(QFile::remove(file));
    EXPECT_EQ(StampOnDisk(file), std::nullopt);
    EXPECT_EQ(QuestionBeforeSaving(known, std::nullopt), TFileQuestion::None) << "nothing there to lose";
    EXPECT_EQ(QuestionOnChange(known, std::nullopt, std::nullopt, true), TFileQuestion::None);

    // A pipe put in its place is looked at, not read.
    ASSERT_EQ(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(QuestionBeforeSaving(known, StampOnDisk(file)), TFileQuestion::Overwrite);
    EXPECT_LT(clock.elapsed(), 1000);

    EXPECT_EQ(FileQuestionText(TFileQuestion::Overwrite, "a.korvel"),
              "The file of the design \"a.korvel\" was changed by another program since it was opened or saved "
              "here. Overwrite it with the design shown here?");
    EXPECT_EQ(FileQuestionText(TFileQuestion::ReloadLosingChanges, "a.korvel"),
              "The file of the design \"a.korvel\" was changed by another program. Reload it and lose the "
              "changes made here?");
}
