#include "export/dxf_export.h"

#include "../profile/profile_test_support.h"
#include "profile/arc_circle.h"
#include "profile/dhl_statement.h"
#include "profile/verification.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cmath>

namespace {

// Debian's own reader lists what it finds: its audit, the units, the layers the entities use
// with their line types, and every entity of the model space.
const char* const kReadBack = R"(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
print("audit", len(doc.audit().errors))
print("units", doc.header.get("$INSUNITS", 0))
msp = doc.modelspace()
for name in sorted({e.dxf.layer for e in msp}):
    print("layer", name, doc.layers.get(name).dxf.linetype)
for e in msp:
    d = e.dxf
    if e.dxftype() == "LINE":
        print("LINE", d.layer, d.start.x, d.start.y, d.end.x, d.end.y)
    elif e.dxftype() == "ARC":
        print("ARC", d.layer, d.center.x, d.center.y, d.radius, d.start_angle, d.end_angle)
    else:
        print(e.dxftype())
)";

QStringList ReadBack(const QString& fileName)
{
    QProcess python;
    python.start("/usr/bin/python3", {"-c", kReadBack, fileName});
    EXPECT_TRUE(python.waitForFinished(60000));
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    return QString::fromUtf8(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

// Compares word by word, numbers within a rounding error of the angles.
void ExpectEntities(const QStringList& actual, const QStringList& expected)
{
    ASSERT_EQ(actual.size(), expected.size()) << actual.join('\n').toStdString();
    for (qsizetype i = 0; i < actual.size(); ++i) {
        const QStringList got = actual[i].split(' '), want = expected[i].split(' ');
        ASSERT_EQ(got.size(), want.size()) << actual[i].toStdString();
        for (qsizetype k = 0; k < got.size(); ++k) {
            bool number = false;
            const double value = want[k].toDouble(&number);
            if (number)
                EXPECT_NEAR(got[k].toDouble(), value, 1e-9) << actual[i].toStdString();
            else
                EXPECT_EQ(got[k], want[k]) << actual[i].toStdString();
        }
    }
}

// An open profile with a rounded outer corner; the comment, the point-like line and the mirror
// of the line on the axis add nothing.
TEST(DxfExport, ProfileAndItsMirrorReadBackEntityByEntity)
{
    const QStringList memo{"line 10/20/48/20/0/", "rounded corner", "arc 46/16/50/20/48/20/50/18/",
                           "line 50/18/50/12/1/", "line 30/20/30/20/0/", "line 10/0/50/0/0/"};
    QTemporaryDir folder;
    const QString fileName = folder.filePath("shaft.dxf");
    WriteProfileDxf(fileName, memo);
    ExpectEntities(ReadBack(fileName), {
        "audit 0",
        "units 4",
        "layer AXIS CENTER",
        "layer CONTOUR CONTINUOUS",
        "LINE CONTOUR 10 20 48 20",
        "LINE CONTOUR 10 -20 48 -20",
        "LINE CONTOUR 50 18 50 12",
        "LINE CONTOUR 50 -18 50 -12",
        "LINE CONTOUR 10 0 50 0",
        // Clockwise from (48, 20) to (50, 18) is counter-clockwise from 0 to 90 degrees.
        "ARC CONTOUR 48 18 2 0 90",
        "ARC CONTOUR 48 -18 2 270 0",
        "LINE AXIS 5 0 55 0",
    });
}

// A hollow shaft's bore lies on the contour layer with its mirror image, as the outline does.
TEST(DxfExport, TheBoreAndItsMirrorAreContourLines)
{
    QTemporaryDir folder;
    const QString fileName = folder.filePath("tube.dxf");
    WriteProfileDxf(fileName, {"line 0/25/120/25/0/", "bore 0/10/70/10/", "bore 70/6/120/6/"});
    ExpectEntities(ReadBack(fileName), {
        "audit 0",
        "units 4",
        "layer AXIS CENTER",
        "layer CONTOUR CONTINUOUS",
        "LINE CONTOUR 0 25 120 25",
        "LINE CONTOUR 0 -25 120 -25",
        "LINE CONTOUR 0 10 70 10",
        "LINE CONTOUR 0 -10 70 -10",
        "LINE CONTOUR 70 6 120 6",
        "LINE CONTOUR 70 -6 120 -6",
        "LINE AXIS -5 0 125 0",
    });
}

// A hand-typed arc whose box is wider than its circle: the CAD drawing and the strength check
// read the radius as the solid's profile points do, from the centre to the farther end.
TEST(DxfExport, AnArcHasOneRadiusInTheDrawingTheCheckAndTheSolid)
{
    const TArcStatement arc = ReadStatement("arc 46/16/52/20/48/18/50/18/").Arc;
    ASSERT_EQ(ArcCircleOf(arc).Radius, 1);
    const TDxfDrawing drawing = ProfileDrawing({"arc 46/16/52/20/48/18/50/18/"});
    ASSERT_EQ(drawing.Arcs.size(), 2u);
    EXPECT_EQ(drawing.Arcs[0].Radius, 1);
    for (const TContourSegment& chord : DrawnContour({"arc 46/16/52/20/48/18/50/18/"}, 20))
        EXPECT_NEAR(double(std::hypot(chord.X1 - 49, chord.R1 - 18)), 1, 1e-9);
}

TEST(DxfExport, FailedExportGivesOneMessageAndLeavesTheExistingFileWhole)
{
    QTemporaryDir folder;
    const QString fileName = folder.filePath("shaft.dxf");
    const QByteArray previous = "the drawing exported before";
    {
        QFile file(fileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(previous);
    }
    const std::vector<std::pair<QStringList, QString>> cases{
        {{"line 0/15/40/15/0/", "line 40/20/1OO/20/0/"}, "'1OO' is not a valid floating point value"},
        {{"", "the shaft"}, "The drawing is empty: there is nothing to export."},
        {{"line 0/15/1E400/15/0/"}, "Floating point overflow"},
        {{"line 0/15/40/1E300/0/"}, "Floating point overflow"}, // would overrun dxflib's number buffer
    };
    for (const auto& [memo, message] : cases) {
        EXPECT_EQ(FailureOf([&, &memo = memo] { WriteProfileDxf(fileName, memo); }), message);
        QFile file(fileName);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), previous);
    }
    const QString full = FailureOnANearlyFullDisk(4096, [&] { WriteProfileDxf(fileName, {"line 0/15/40/15/0/"}); });
    EXPECT_TRUE(full.startsWith("Cannot prepare the DXF file: ")) << full.toStdString();
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), previous);
    const QString missingFolder = folder.filePath("gone/shaft.dxf");
    EXPECT_TRUE(FailureOf([&] { WriteProfileDxf(missingFolder, {"line 0/15/40/15/0/"}); })
                    .startsWith("Cannot write the file \"" + QDir::toNativeSeparators(missingFolder) + "\": "));
}

} // namespace
