// "Export STL..." of the 3D window: the whole solid in millimetres, whatever part of it the view
// shows, read back by admesh; an open profile refused before any file is asked for.
#include "analysis/analysis_state.h"
#include "windows/main/window_set.h"
#include "common/errors.h"
#include "test_support.h"
#include "windows/view3d/tform9.h"
#include "windows/view3d/tform9_build.h"
#include "widgets/track_bar.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace {

// 15 mm radius for 40 mm, 20 mm for 60 mm, closed by its end faces.
const QStringList kSteppedText{"line 0/0/0/15/0/", "line 0/15/40/15/0/", "line 40/15/40/20/0/",
                               "line 40/20/100/20/0/", "line 100/20/100/0/0/"};

class StlExportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Analysis = TAnalysisState();
        CreateWindowSet();
        Form9->AskStlFileName = [this] {
            ++asked;
            return folder.filePath("shaft");
        };
    }
    void TearDown() override { DestroyWindowSet(); }

    static void Build(QStringList memo) { RunGuarded([&] { Build3DModel(memo, 20); }); }
    static void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    QTemporaryDir folder;
    int asked = 0;
    MessageRecorder messages;
};

double Figure(const QString& report, const QString& name)
{
    const QRegularExpressionMatch match =
        QRegularExpression(QRegularExpression::escape(name) + "\\s*[:=]\\s*([-+.0-9eE]+)").match(report);
    EXPECT_TRUE(match.hasMatch()) << name.toStdString();
    return match.captured(1).toDouble();
}

TEST_F(StlExportTest, WholeSolidAtTheCurrentStepsReadsBackAsAClosedSolid)
{
    Build(kSteppedText);
    Click(Form9->RadioButton1); // 16 steps
    Form9->ExTrackBar1->setValue(90); // the view cut open to a quarter
    Click(Form9->ExportStlButton);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();

    QProcess admesh;
    admesh.start("admesh", {folder.filePath("shaft.stl")});
    ASSERT_TRUE(admesh.waitForFinished(60000));
    const QString report = QString::fromLocal8Bit(admesh.readAllStandardOutput());
    // Per step: a triangle on each end face, two on each of the three bands.
    EXPECT_EQ(Figure(report, "Number of facets"), 16 * (1 + 2 + 2 + 2 + 1)) << report.toStdString();
    EXPECT_EQ(Figure(report, "Number of parts"), 1);
    for (const char* repair : {"Degenerate facets", "Edges fixed", "Facets removed", "Facets added",
                               "Facets reversed", "Backwards edges", "Normals fixed"})
        EXPECT_EQ(Figure(report, repair), 0) << repair;
    EXPECT_NEAR(Figure(report, "Max X"), 100, 1e-4);
    EXPECT_NEAR(Figure(report, "Max Y"), 20, 1e-4);
    // Two prisms on a regular 16-gon: area 16 / 2 * r^2 * sin(2 pi / 16).
    const double faceted = 8 * std::sin(std::numbers::pi / 8) * (15 * 15 * 40 + 20 * 20 * 60);
    EXPECT_NEAR(Figure(report, "Volume"), faceted, faceted * 1e-5);
}

TEST_F(StlExportTest, OpenProfileIsRefusedNamingTheMissingEndFaces)
{
    Build({"line 0/15/40/15/0/", "line 40/15/40/20/0/", "line 40/20/100/20/0/", "line 100/20/100/0/0/"});
    Click(Form9->ExportStlButton);
    EXPECT_EQ(messages.texts,
              QStringList("The profile is open: it has no left end face, so it does not close into a solid. Steps "
                          "drawn from the diameter fields have no shoulder lines: \"Draw vertical lines\" (the first "
                          "button of \"Operations\" in the 2D editor) adds the shoulders and both end faces."));
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

// A build that fails leaves the solid on screen, and the export writes that solid.
TEST_F(StlExportTest, AFailedBuildKeepsTheSolidThatIsExported)
{
    Build(kSteppedText);
    const TModel shown = Analysis.ProfilePoints;
    const long double span = Analysis.ProfileSpan;
    Build({"line 50/0/50/15/0/", "line 50/15/50/0/0/"}); // no length along the axis
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(Analysis.ProfilePoints.size(), shown.size());
    EXPECT_EQ(Analysis.ProfileSpan, span);
    messages.texts.clear();
    Click(Form9->ExportStlButton);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
    EXPECT_GT(QFileInfo(folder.filePath("shaft.stl")).size(), 1000);
}

} // namespace
