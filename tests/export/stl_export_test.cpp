#include "export/stl_export.h"

#include "../profile/profile_test_support.h"
#include "profile/profile_points.h"
#include "profile/vertical_lines.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <map>

#include <cmath>
#include <csignal>
#include <numbers>
#include <sys/resource.h>

namespace {

TStlVector Vertex(const TProfilePoint& point, int slice, int slices)
{
    const double angle = 2 * std::numbers::pi * (slice % slices) / slices;
    return {float(point.x), float(point.r * std::cos(angle)), float(point.r * std::sin(angle))};
}

TStlTriangle Facet(const TStlVector& a, const TStlVector& b, const TStlVector& c)
{
    const double u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    const double v[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    const double n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    return {{float(n[0] / length), float(n[1] / length), float(n[2] / length)}, {a, b, c}};
}

// The profile swept a full turn about the x axis, two facets per step of every band, one where
// an end of the band lies on the axis; the walk runs clockwise in the (x, r) half plane.
std::vector<TStlTriangle> RevolvedProfile(const TModel& profile, int slices)
{
    std::vector<TStlTriangle> triangles;
    for (size_t i = 1; i < profile.size(); ++i) {
        const TProfilePoint& a = profile[i - 1];
        const TProfilePoint& b = profile[i];
        for (int j = 0; j < slices; ++j) {
            const TStlVector a0 = Vertex(a, j, slices), a1 = Vertex(a, j + 1, slices);
            const TStlVector b0 = Vertex(b, j, slices), b1 = Vertex(b, j + 1, slices);
            if (b.r != 0) triangles.push_back(Facet(a0, b1, b0));
            if (a.r != 0) triangles.push_back(Facet(a0, a1, b1));
        }
    }
    return triangles;
}

const TModel kSteppedCylinder{{0, 0}, {0, 15}, {40, 15}, {40, 20}, {100, 20}, {100, 0}};

double AdmeshFigure(const QString& report, const QString& name)
{
    const QRegularExpression pattern(QRegularExpression::escape(name) + "\\s*:\\s*(\\S+)");
    const QRegularExpressionMatch match = pattern.match(report);
    EXPECT_TRUE(match.hasMatch()) << name.toStdString();
    return match.captured(1).toDouble();
}

QByteArray Contents(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(StlExport, RevolvedSteppedCylinderIsAClosedSolidOfTheExpectedVolume)
{
    const int slices = 100;
    const std::vector<TStlTriangle> triangles = RevolvedProfile(kSteppedCylinder, slices);
    QTemporaryDir folder;
    const QString fileName = folder.filePath("shaft.stl");
    WriteStl(fileName, triangles);
    EXPECT_EQ(QFileInfo(fileName).size(), 84 + 50 * qint64(triangles.size()));

    QProcess admesh;
    admesh.start("admesh", {fileName});
    ASSERT_TRUE(admesh.waitForFinished(60000));
    const QString report = QString::fromLocal8Bit(admesh.readAllStandardOutput());
    EXPECT_EQ(AdmeshFigure(report, "Number of facets"), double(triangles.size())) << report.toStdString();
    EXPECT_EQ(AdmeshFigure(report, "Number of parts"), 1);
    for (const char* repair : {"Degenerate facets", "Edges fixed", "Facets removed", "Facets added",
                               "Facets reversed", "Backwards edges", "Normals fixed"})
        EXPECT_EQ(AdmeshFigure(report, repair), 0) << repair;

    // Each step is a prism on a regular polygon of `slices` sides: area n/2 r^2 sin(2 pi / n).
    const double pi = std::numbers::pi;
    const double polygon = slices / 2.0 * std::sin(2 * pi / slices);
    const double faceted = polygon * (15 * 15 * 40 + 20 * 20 * 60);
    const double round = pi * (15 * 15 * 40 + 20 * 20 * 60);
    const double volume = AdmeshFigure(report, "Volume");
    EXPECT_NEAR(volume, faceted, faceted * 1e-5);
    EXPECT_LT(volume, round);
    EXPECT_GT(volume, round * (1 - 1e-3));
}

TEST(StlExport, OpenProfileIsRefusedNamingTheMissingEndFaces)
{
    const std::vector<std::pair<TModel, QString>> cases{
        {{{0, 15}, {40, 15}, {40, 20}, {100, 20}}, "neither a left nor a right end face"},
        {{{0, 15}, {40, 15}, {40, 20}, {100, 20}, {100, 0}}, "no left end face"},
        {{{0, 0}, {0, 15}, {40, 15}, {40, 20}, {100, 20}}, "no right end face"},
    };
    for (const auto& [profile, missing] : cases)
        EXPECT_EQ(FailureOf([&profile = profile] { CheckSolidProfile(profile); }),
                  "The profile is open: it has " + missing +
                      ", so it does not close into a solid. " + kCloseOutlineHint);
    EXPECT_EQ(FailureOf([] { CheckSolidProfile(kSteppedCylinder); }), "");
    EXPECT_TRUE(FailureOf([] { CheckSolidProfile({{0, 0}, {0, -20}, {100, -20}, {100, 0}}); })
                    .startsWith("The profile crosses the axis"));
}

// Every edge of a closed surface is met once in each direction, vertices matching to the byte,
// which is how a slicer joins the facets; the end of a full turn once left a hairline seam.
TEST(StlExport, SolidOfTheViewerIsClosed)
{
    std::map<std::pair<TStlVector, TStlVector>, int> edges;
    for (const TStlTriangle& triangle : SolidTriangles(kSteppedCylinder, 16))
        for (int i = 0; i < 3; ++i) ++edges[{triangle.Vertices[i], triangle.Vertices[(i + 1) % 3]}];
    for (const auto& [edge, count] : edges) {
        EXPECT_EQ(count, 1);
        const auto back = edges.find({edge.second, edge.first});
        EXPECT_TRUE(back != edges.end() && back->second == 1);
    }
}

// A hollow shaft from the drawing text to the file's triangles: the walk along the outline and
// back along the bore closes a solid whose volume, by the divergence theorem, is the faceted
// tube's; every edge joins two facets that run it in opposite senses, and the bore's facets face
// the axis.
TEST(StlExport, AHollowShaftIsAClosedTubeOfTheExpectedVolume)
{
    const int slices = 64;
    const double polygon = slices / 2.0 * std::sin(2 * std::numbers::pi / slices); // area per r^2
    struct Case {
        const char* name;
        QStringList memo;
        double boreRadius, volumePerFactor; // sum of r^2 * length, solid minus bore
    };
    const Case cases[] = {
        {"through", {"line 0/10/0/25/0/", "line 0/25/120/25/0/", "line 120/25/120/10/0/", "bore 0/10/120/10/"},
         10, 25 * 25 * 120 - 10 * 10 * 120},
        {"blind", {"line 0/10/0/25/0/", "line 0/25/120/25/0/", "line 120/25/120/0/0/", "bore 0/10/50/10/"},
         10, 25 * 25 * 120 - 10 * 10 * 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList memo = c.memo;
        TModel profile;
        ExtractProfilePoints(memo, profile, 20);
        const std::vector<TStlTriangle> triangles = SolidTriangles(profile, slices);

        double sixTimesVolume = 0;
        std::map<std::pair<TStlVector, TStlVector>, int> edges;
        int boreFacets = 0;
        for (const TStlTriangle& t : triangles) {
            const TStlVector& a = t.Vertices[0];
            const TStlVector& b = t.Vertices[1];
            const TStlVector& v = t.Vertices[2];
            sixTimesVolume += a[0] * (b[1] * v[2] - b[2] * v[1]) - a[1] * (b[0] * v[2] - b[2] * v[0]) +
                              a[2] * (b[0] * v[1] - b[1] * v[0]);
            for (int i = 0; i < 3; ++i) ++edges[{t.Vertices[i], t.Vertices[(i + 1) % 3]}];
            const auto radius = [](const TStlVector& p) { return std::hypot(double(p[1]), double(p[2])); };
            if (std::fabs(radius(a) - c.boreRadius) < 1e-4 && std::fabs(radius(b) - c.boreRadius) < 1e-4 &&
                std::fabs(radius(v) - c.boreRadius) < 1e-4) {
                ++boreFacets;
                const double ry = (a[1] + b[1] + v[1]) / 3, rz = (a[2] + b[2] + v[2]) / 3;
                EXPECT_LT(t.Normal[1] * ry + t.Normal[2] * rz, 0) << "a bore facet facing away from the axis";
            }
        }
        EXPECT_EQ(boreFacets, 2 * slices);
        const double faceted = polygon * c.volumePerFactor;
        EXPECT_NEAR(sixTimesVolume / 6, faceted, faceted * 1e-5);
        EXPECT_LT(sixTimesVolume / 6, std::numbers::pi * c.volumePerFactor);
        for (const auto& [edge, count] : edges) {
            EXPECT_EQ(count, 1);
            const auto back = edges.find({edge.second, edge.first});
            EXPECT_TRUE(back != edges.end() && back->second == 1);
        }
    }
}

// A disk that fills up half way, a folder in the file's place, a coordinate that is no number:
// each gives one message and leaves what was there before.
TEST(StlExport, FailedWriteLeavesTheExistingFileWhole)
{
    QTemporaryDir folder;
    const QString fileName = folder.filePath("shaft.stl");
    const QByteArray previous = "the solid exported before";
    {
        QFile file(fileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(previous);
    }
    const std::vector<TStlTriangle> triangles = RevolvedProfile(kSteppedCylinder, 100);

    const QString full = FailureOnANearlyFullDisk(4096, [&] { WriteStl(fileName, triangles); });
    EXPECT_EQ(full, "Cannot write the file \"" + QDir::toNativeSeparators(fileName) + "\": File too large");
    EXPECT_EQ(Contents(fileName), previous);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList("shaft.stl"));

    ASSERT_TRUE(QDir(folder.path()).mkdir("taken.stl"));
    const QString taken = FailureOf([&] { WriteStl(folder.filePath("taken.stl"), triangles); });
    EXPECT_TRUE(taken.startsWith("Cannot write the file")) << taken.toStdString();

    std::vector<TStlTriangle> broken = triangles;
    broken.back().Vertices[2][1] = NAN;
    EXPECT_EQ(FailureOf([&] { WriteStl(fileName, broken); }), "Invalid floating point operation");
    EXPECT_EQ(Contents(fileName), previous);
}

} // namespace
