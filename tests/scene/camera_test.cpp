// Camera moves: orbit signs, the poles, distance scaling, pan, and where the target projects.
#include "scene/camera.h"

#include <QtMath>
#include <cmath>
#include <gtest/gtest.h>

namespace {

float Azimuth(const QVector3D& offset)
{
    return qRadiansToDegrees(std::atan2(offset.x(), offset.z()));
}

struct CameraFixture : ::testing::Test {
    TDummyCube pivot;
    TCamera camera{&pivot};
};

} // namespace

TEST_F(CameraFixture, OrbitTurnsAboutTheVerticalAndPitchesTheElevation)
{
    const QVector3D start = camera.Position();
    camera.MoveAroundTarget(0, -10);
    EXPECT_NEAR(Azimuth(camera.Position()), Azimuth(start) - 10, 1e-3);
    EXPECT_NEAR(Elevation(camera.Position()), Elevation(start), 1e-3);
    camera.MoveAroundTarget(10, 0);
    EXPECT_NEAR(Elevation(camera.Position()), Elevation(start) + 10, 1e-3);
    EXPECT_NEAR(camera.DistanceToTarget(), start.length(), 1e-4);
}

TEST_F(CameraFixture, OrbitingOverThePolesStopsShortOfThemWithoutFlipping)
{
    const float azimuth = Azimuth(camera.Position());
    for (float pitch : {200.f, -400.f}) {
        camera.MoveAroundTarget(pitch, 0);
        EXPECT_GT(std::abs(Elevation(camera.Position())), 89.9f);
        EXPECT_LT(std::abs(Elevation(camera.Position())), 90.f);
        EXPECT_NEAR(Azimuth(camera.Position()), azimuth, 0.01f);
        const QMatrix4x4 view = camera.ViewMatrix();
        for (int i = 0; i < 16; ++i) ASSERT_TRUE(std::isfinite(view.constData()[i]));
        // The screen's up still points up the scene: the view is not upside down.
        EXPECT_GT(view.row(1).y() + std::abs(view.row(1).z()), 0);
    }
    // The top view point lies just inside the margin and turns like any other position.
    camera.SetPosition({0, 10, 0.01f});
    camera.MoveAroundTarget(5, 30);
    EXPECT_NEAR(camera.DistanceToTarget(), QVector3D(0, 10, 0.01f).length(), 1e-4);
    EXPECT_NEAR(Elevation(camera.Position()), 89.99f, 1e-3);
}

TEST_F(CameraFixture, DistanceScalesAboutTheTarget)
{
    pivot.Position = {1, 2, 3};
    camera.SetPosition({1, 2, 13});
    for (int notch = 0; notch < 3; ++notch) camera.AdjustDistanceToTarget(1 / 1.1f);
    EXPECT_NEAR(camera.DistanceToTarget(), 10 * std::pow(1.1, -3), 1e-4);
    camera.SetPosition({1, 2, 13});
    camera.AdjustDistanceToTarget(0.9f);
    camera.AdjustDistanceToTarget(1.1f);
    EXPECT_NEAR(camera.DistanceToTarget(), 9.9, 1e-4);
    EXPECT_NEAR(camera.Position().x(), 1, 1e-6); // along the same line of sight
    for (int notch = 0; notch < 1000; ++notch) camera.AdjustDistanceToTarget(0.5f);
    EXPECT_GT(camera.DistanceToTarget(), 0);
}

TEST_F(CameraFixture, PanMovesTargetAndCameraTogetherInTheHorizontalPlane)
{
    camera.SetPosition({0, 6, 10});
    EXPECT_TRUE(qFuzzyCompare(camera.HorizontalPan(1, 0), QVector3D(1, 0, 0)));
    EXPECT_TRUE(qFuzzyCompare(camera.HorizontalPan(0, 1), QVector3D(0, 0, -1)));
    camera.MoveTargetWithCamera({2, 0, -1});
    EXPECT_EQ(pivot.Position, QVector3D(2, 0, -1));
    EXPECT_EQ(camera.Position(), QVector3D(2, 6, 9));
    camera.SetPosition({2, 10, -1}); // straight above the target
    EXPECT_NEAR(camera.HorizontalPan(0, 1).length(), 1, 1e-6);
}

TEST_F(CameraFixture, TheTargetProjectsToTheCentreAndKeepsItsSizeAcrossProjections)
{
    const QVector3D beside = QVector3D::crossProduct(-camera.Position(), QVector3D(0, 1, 0)).normalized();
    float sizes[2];
    for (TProjection projection : {TProjection::Perspective, TProjection::Orthogonal}) {
        camera.Projection = projection;
        const QMatrix4x4 clip = camera.ProjectionMatrix(561.f / 449) * camera.ViewMatrix();
        EXPECT_NEAR(clip.map(QVector3D(0, 0, 0)).x(), 0, 1e-5);
        EXPECT_NEAR(clip.map(QVector3D(0, 0, 0)).y(), 0, 1e-5);
        sizes[int(projection)] = clip.map(beside).x();
    }
    EXPECT_NEAR(sizes[0], sizes[1], 1e-4);
    EXPECT_GT(sizes[0], 0.05f);
}
