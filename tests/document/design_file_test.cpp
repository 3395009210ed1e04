#include "analysis/analysis_state.h"
#include "common/errors.h"
#include "design_samples.h"
#include "document/design_file.h"
#include "test_support.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

TEST(DesignFile, RandomDesignsComeBackEqualAndWriteTheSameBytes)
{
    TRandomDesigns designs(20261207);
    for (int i = 0; i < 40; ++i) {
        const TDesign design = designs.Next();
        const QByteArray written = DesignToJson(design);
        const TDesign read = DesignFromJson(written);
        ASSERT_EQ(read, design) << "design " << i;
        ASSERT_EQ(DesignToJson(read), written) << "design " << i;
    }
}

// The shown decimal separator changes the texts of the fields, never the numbers of the file.
TEST(DesignFile, IsIndentedVersionedAndWrittenTheSameUnderEitherSeparator)
{
    const TDesign design = SmallDesign();
    const QByteArray withPoint = DesignToJson(design);
    DecimalSeparatorScope comma(',');
    EXPECT_EQ(DesignToJson(design), withPoint);
    EXPECT_TRUE(withPoint.contains("\"Position\": \"50\""));
    EXPECT_TRUE(withPoint.contains("\n    \"format\": \"Korvel design\",\n"));
    EXPECT_TRUE(withPoint.endsWith("\n    \"version\": 4\n}\n"));
}

// Opening checks on a scratch state: the analysis of the open design is not touched.
TEST(DesignFile, ReadingLeavesTheOpenAnalysisAlone)
{
    TAnalysisState before;
    InitialiseEntryState(before);
    before.ShaftLength = 321;
    before.Points = {{1, 7}};
    before.PointCount = 1;
    Analysis = before;
    DesignFromJson(DesignToJson(SmallDesign()));
    EXPECT_EQ(Analysis.ShaftLength, 321);
    ASSERT_EQ(Analysis.Points.size(), 1u);
    EXPECT_EQ(Analysis.Points[0].Position, 7);
    EXPECT_TRUE(Analysis.Forces.empty());
    Analysis = TAnalysisState();
}

// Designs saved before the torque's span existed open with Mt over the whole shaft.
TEST(DesignFile, TwistSpanIsKeptAndMayBeMissing)
{
    TDesign design = SmallDesign();
    design.Dimensioning.TwistFrom = "12.5";
    design.Dimensioning.TwistTo = "";
    EXPECT_EQ(DesignFromJson(DesignToJson(design)), design);
    QJsonObject object = QJsonDocument::fromJson(DesignToJson(SmallDesign())).object();
    QJsonObject dimensioning = object["Dimensioning"].toObject();
    dimensioning.remove("TwistFrom");
    dimensioning.remove("TwistTo");
    object["Dimensioning"] = dimensioning;
    EXPECT_EQ(DesignFromJson(QJsonDocument(object).toJson()), SmallDesign());
}

TEST(DesignFile, ReportDetailsAreKeptAndMayBeMissing)
{
    TDesign design = SmallDesign();
    design.Report = {"Gearbox \"G-12\"", "G12-003", "B", "Ana Pop", "Ion Ionescu", ""};
    EXPECT_EQ(DesignFromJson(DesignToJson(design)), design);
    QJsonObject object = QJsonDocument::fromJson(DesignToJson(SmallDesign())).object();
    object.remove("Report");
    EXPECT_EQ(DesignFromJson(QJsonDocument(object).toJson()), SmallDesign());
}
