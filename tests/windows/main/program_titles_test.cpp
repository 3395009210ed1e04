// The program as it starts, seen from the display: its windows carry exactly their captions,
// with nothing of the application's name appended.
#include "test_support.h"
#include "x_display.h"

#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

TEST(Program, WindowTitlesAreExactlyTheirCaptions)
{
    if (!x_display::Connection()) GTEST_SKIP() << "needs an X display";
    QProcess program;
    program.setWorkingDirectory(SourcePath("."));
    program.start(KORVEL_PROGRAM, QStringList());
    ASSERT_TRUE(program.waitForStarted());
    // The splash hands over to the main window after five seconds.
    QStringList titles;
    QTest::qWaitFor([&] {
        titles = WindowTitlesOf(program.processId());
        return titles.contains(" Korvel - CAD");
    }, 20000);
    program.kill();
    program.waitForFinished();

    EXPECT_TRUE(titles.contains(" Korvel - CAD")) << titles.join(" | ").toStdString();
    for (const QString& title : titles) EXPECT_FALSE(title.contains(QChar(0x2014))) << title.toStdString();
}
