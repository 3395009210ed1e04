// The revolution mesh: face counts, outward flat normals that agree with the winding, closed
// solids whose volume matches the swept polygon, and the degenerate profiles.
#include "scene/polygon_triangulation.h"
#include "scene/revolution_mesh.h"
#include "scene/revolution_solid.h"

#include <QtMath>
#include <array>
#include <cmath>
#include <map>
#include <gtest/gtest.h>

namespace {

// The stepped shaft: radius 1.5 from -5 to -1, radius 2 from -1 to 5, closed down to the axis.
const std::vector<QVector3D> kStepped{{0, -5, 0}, {1.5f, -5, 0}, {1.5f, -1, 0}, {2, -1, 0}, {2, 5, 0}, {0, 5, 0}};
const TRevolutionParts kOutside{true, false, false, false};
const TRevolutionParts kClosedCut{true, false, true, true};

double Volume(const TMesh& mesh)
{
    double sixTimes = 0;
    for (const TTriangle& t : mesh) sixTimes += QVector3D::dotProduct(t.A, QVector3D::crossProduct(t.B, t.C));
    return sixTimes / 6;
}

// Area of the polygonal cross-section of a sweep in `steps` steps over `degrees`, per unit radius squared.
double SectorFactor(int steps, double degrees)
{
    return steps * 0.5 * std::sin(qDegreesToRadians(degrees / steps));
}

void ExpectWellFormed(const TMesh& mesh)
{
    for (const TTriangle& t : mesh) {
        ASSERT_NEAR(t.Normal.length(), 1, 1e-5);
        const QVector3D winding = QVector3D::crossProduct(t.B - t.A, t.C - t.A);
        ASSERT_GT(winding.length(), 0);
        EXPECT_GT(QVector3D::dotProduct(winding.normalized(), t.Normal), 0.999f);
    }
}

} // namespace

TEST(RevolutionMesh, StepsFollowTheSlicesOfAFullTurnRoundedHalfToEven)
{
    EXPECT_EQ(RevolutionSteps(32, 0, 360), 32);
    EXPECT_EQ(RevolutionSteps(32, 0, 90), 8);
    EXPECT_EQ(RevolutionSteps(16, 0, 270), 12);
    EXPECT_EQ(RevolutionSteps(10, 0, 90), 2);  // 2.5
    EXPECT_EQ(RevolutionSteps(14, 0, 90), 4);  // 3.5
    EXPECT_EQ(RevolutionSteps(3, 0, 90), 1);   // 0.75: a sweep has at least one step
}

TEST(RevolutionMesh, FaceCountsOfTheSteppedShaft)
{
    // Per step: one triangle for each of the two bands that touch the axis, two for the other three.
    struct Case { int slices; float stop; TRevolutionParts parts; size_t triangles; };
    const Case cases[] = {
        {32, 360, kOutside, 32 * 8},
        {16, 360, kOutside, 16 * 8},
        {32, 360, TRevolutionParts{}, 32 * 8 * 2},
        {32, 90, kOutside, 8 * 8},
        {32, 90, kClosedCut, 8 * 8 + 2 * 4}, // the six-cornered section in four triangles at each end
    };
    for (const Case& c : cases) {
        const TMesh mesh = BuildRevolutionMesh(kStepped, c.slices, 0, c.stop, c.parts);
        EXPECT_EQ(mesh.size(), c.triangles) << c.slices << " slices, " << c.stop << " degrees";
        ExpectWellFormed(mesh);
    }
}

TEST(RevolutionMesh, ClosedSolidsHoldTheVolumeOfTheSweptSection)
{
    const double profileArea = 1.5 * 1.5 * 4 + 2 * 2 * 6; // sum of r^2 * length of the steps
    EXPECT_NEAR(Volume(BuildRevolutionMesh(kStepped, 32, 0, 360, kOutside)), profileArea * SectorFactor(32, 360), 1e-3);
    EXPECT_NEAR(Volume(BuildRevolutionMesh(kStepped, 32, 0, 90, kClosedCut)), profileArea * SectorFactor(8, 90), 1e-3);
    EXPECT_NEAR(Volume(BuildRevolutionMesh(kStepped, 12, 0, 270, kClosedCut)), profileArea * SectorFactor(9, 270), 1e-3);
}

// A hollow shaft's nodes run along the outline and back along the bore to where they began. Cut
// open, the loop's polygon covers the section between bore and outline at each cut, and the cut
// solid is closed: every edge is run once each way. The first node given again at the end adds
// no triangle of its own.
TEST(RevolutionMesh, TheLoopOfAHollowShaftClosesItsCutFaces)
{
    const std::vector<QVector3D> through{{1, -5, 0}, {2, -5, 0}, {2, 5, 0}, {1, 5, 0}, {1, -5, 0}};
    const std::vector<QVector3D> blind{{0.5f, -5, 0}, {2, -5, 0}, {2, 5, 0}, {0, 5, 0},
                                       {0, 0, 0},     {0.5f, 0, 0}, {0.5f, -5, 0}};
    const TRevolutionParts startCap{false, false, true, false};
    struct Case { std::vector<QVector3D> nodes; double section; };
    const Case cases[] = {{through, 1 * 10}, {blind, 2 * 10 - 0.5 * 5}};
    for (const Case& c : cases) {
        double capArea = 0;
        for (const TTriangle& t : BuildRevolutionMesh(c.nodes, 32, 0, 90, startCap))
            capArea += QVector3D::crossProduct(t.B - t.A, t.C - t.A).length() / 2;
        EXPECT_NEAR(capArea, c.section, 1e-4);

        const TMesh cut = BuildRevolutionMesh(c.nodes, 32, 0, 90, kClosedCut);
        ExpectWellFormed(cut);
        std::map<std::pair<std::array<float, 3>, std::array<float, 3>>, int> edges;
        const auto key = [](const QVector3D& v) { return std::array<float, 3>{v.x(), v.y(), v.z()}; };
        for (const TTriangle& t : cut)
            for (const auto& [from, to] : {std::pair{t.A, t.B}, std::pair{t.B, t.C}, std::pair{t.C, t.A}})
                ++edges[{key(from), key(to)}];
        for (const auto& [edge, count] : edges) {
            EXPECT_EQ(count, 1);
            EXPECT_EQ(edges.count({edge.second, edge.first}), 1u);
        }
    }
    EXPECT_EQ(BuildRevolutionMesh(through, 32, 0, 90, kClosedCut).size(), 8u * 8 + 2 * 2);
}

TEST(RevolutionMesh, OutsideFacesLookAwayFromTheAxisAndInsideFacesTowardsIt)
{
    const std::vector<QVector3D> tube{{1.5f, -5, 0}, {1.5f, 5, 0}};
    const TMesh mesh = BuildRevolutionMesh(tube, 32, 0, 360, TRevolutionParts{});
    ASSERT_EQ(mesh.size(), 32u * 4);
    ExpectWellFormed(mesh);
    int outward = 0, inward = 0;
    for (const TTriangle& t : mesh) {
        const QVector3D centre = (t.A + t.B + t.C) / 3;
        const float radial = QVector3D::dotProduct(t.Normal, QVector3D(centre.x(), 0, centre.z()).normalized());
        if (radial > 0.99f)
            ++outward;
        else if (radial < -0.99f)
            ++inward;
        else
            ADD_FAILURE() << "a tube face that is not square to the radius";
    }
    EXPECT_EQ(outward, 64);
    EXPECT_EQ(inward, 64);
}

TEST(RevolutionMesh, RepeatedNodesAndAxisSegmentsAddNothing)
{
    std::vector<QVector3D> repeated{{0, -5, 0}, {0, -5, 0}, {1.5f, -5, 0}, {1.5f, -5, 0}, {1.5f, -1, 0},
                                    {2, -1, 0}, {2, 5, 0}, {0, 5, 0}, {0, -5, 0}};
    const TMesh mesh = BuildRevolutionMesh(repeated, 32, 0, 90, kClosedCut);
    EXPECT_EQ(mesh.size(), BuildRevolutionMesh(kStepped, 32, 0, 90, kClosedCut).size());
    for (const TTriangle& t : mesh) EXPECT_FALSE(std::isnan(t.Normal.x()) || std::isnan(t.Normal.y()));
    ExpectWellFormed(mesh);
}

TEST(RevolutionMesh, NothingForOneNodeOrAnEmptySweep)
{
    EXPECT_TRUE(BuildRevolutionMesh({{1, 0, 0}}, 32, 0, 360, TRevolutionParts{}).empty());
    EXPECT_TRUE(BuildRevolutionMesh(kStepped, 32, 90, 90, TRevolutionParts{}).empty());
    EXPECT_TRUE(BuildRevolutionMesh(kStepped, 32, 90, 45, TRevolutionParts{}).empty());
}

// A shaft section with forty grooves, collinear runs between them: area 40 * 3 + 40 * 1.
std::vector<QPointF> GroovedSection()
{
    std::vector<QPointF> polygon{{0, 0}};
    for (int groove = 0; groove < 40; ++groove) {
        const double x = groove * 2;
        polygon.insert(polygon.end(), {{1.5, x}, {2, x}, {2, x + 1}, {1.5, x + 1}, {1.5, x + 1.5}});
    }
    polygon.insert(polygon.end(), {{1.5, 80}, {0, 80}});
    return polygon;
}

TEST(PolygonTriangulation, CoversNonConvexPolygonsWithCounterClockwiseTriangles)
{
    struct Case { const char* name; std::vector<QPointF> polygon; double area; };
    const Case cases[] = {
        {"grooved section", GroovedSection(), 80 * 1.5 + 40 * 0.5},
        {"stepped section", {{0, -5}, {1.5, -5}, {1.5, -1}, {2, -1}, {2, 5}, {0, 5}}, 1.5 * 4 + 2 * 6},
        {"walked clockwise", {{0, 5}, {2, 5}, {2, -1}, {1.5, -1}, {1.5, -5}, {0, -5}}, 1.5 * 4 + 2 * 6},
        {"groove", {{0, 0}, {3, 0}, {3, 2}, {2, 2}, {2, 1}, {1, 1}, {1, 2}, {0, 2}}, 5},
        {"repeated and collinear corners", {{0, 0}, {1, 0}, {1, 0}, {2, 0}, {2, 2}, {0, 2}, {0, 1}}, 4},
    };
    for (const Case& c : cases) {
        double area = 0;
        for (const TTriangleIndices& t : TriangulatePolygon(c.polygon)) {
            const QPointF a = c.polygon[t[0]], b = c.polygon[t[1]], d = c.polygon[t[2]];
            const double twice = (b.x() - a.x()) * (d.y() - a.y()) - (b.y() - a.y()) * (d.x() - a.x());
            EXPECT_GT(twice, 0) << c.name;
            area += twice / 2;
        }
        EXPECT_NEAR(area, c.area, 1e-9) << c.name;
    }
    EXPECT_TRUE(TriangulatePolygon({{0, 0}, {1, 1}}).empty());
    EXPECT_TRUE(TriangulatePolygon({{0, 0}, {1, 1}, {2, 2}}).empty());
}

TEST(RevolutionSolid, RebuildsItsMeshOnlyAfterAShapingChange)
{
    TRevolutionSolid solid;
    solid.SetNodes(kStepped);
    EXPECT_EQ(solid.Mesh().size(), 32u * 8 * 2);
    solid.SetNodes(kStepped);
    solid.SetSlices(32);
    solid.SetStopAngle(360);
    solid.ShowAxes = true;
    solid.Mesh();
    EXPECT_EQ(solid.MeshBuilds(), 1);
    solid.SetStopAngle(90);
    solid.SetParts(kClosedCut);
    EXPECT_EQ(solid.Mesh().size(), 8u * 8 + 8);
    EXPECT_EQ(solid.MeshBuilds(), 2);
}
