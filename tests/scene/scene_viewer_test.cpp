// The viewer on a real OpenGL context: a stepped shaft cut open at 90 degrees, read back from the
// widget and compared with the committed reference picture; the lit solid, its section faces and
// the background at the pixels where the scene projects them. On a mismatch the actual picture
// and a difference picture are written beside the test program.
#include "scene/gl_support.h"
#include "scene/scene_viewer.h"
#include "test_support.h"

#include <QCoreApplication>
#include <QImage>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

const QSize kViewport(561, 449);

struct CutShaftScene {
    CutShaftScene()
    {
        TRevolutionSolid* solid = scene.AddRevolutionSolid();
        solid->SetNodes({{0, -5, 0}, {1.5f, -5, 0}, {1.5f, -1, 0}, {2, -1, 0}, {2, 5, 0}, {0, 5, 0}});
        solid->SetStopAngle(90);
        solid->SetParts({true, true, true, true});
        solid->Up = {1, 0, 0};
        solid->Material.Specular = {0.5f, 0.5f, 0.5f, 1};
        solid->Material.Shininess = 40;
        scene.AddLight()->Position = {10, 10, 10};
        TLightSource* eye = scene.AddLight();
        eye->Position = scene.Camera()->Position();
        eye->QuadraticAttenuation = 0.016f;
    }

    QPoint Pixel(const QVector3D& point) const
    {
        const QMatrix4x4 clip =
            scene.Camera()->ProjectionMatrix(float(kViewport.width()) / kViewport.height()) * scene.Camera()->ViewMatrix();
        const QVector3D at = clip.map(point);
        return {int((at.x() + 1) / 2 * kViewport.width()), int((1 - at.y()) / 2 * kViewport.height())};
    }

    TScene scene;
};

// Pixels whose channels differ by more than a rounding of the rasteriser, and the picture of them.
int CountDifferences(const QImage& actual, const QImage& expected, QImage& difference)
{
    difference = QImage(actual.size(), QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QColor a = actual.pixelColor(x, y), e = expected.pixelColor(x, y);
            const int worst = std::max({std::abs(a.red() - e.red()), std::abs(a.green() - e.green()),
                                        std::abs(a.blue() - e.blue())});
            difference.setPixelColor(x, y, worst > 16 ? Qt::red : QColor(worst * 8, worst * 8, worst * 8));
            count += worst > 16;
        }
    }
    return count;
}

} // namespace

TEST(SceneViewer, TheCutShaftMatchesItsReferencePicture)
{
    CutShaftScene cut;
    TSceneViewer viewer(&cut.scene);
    viewer.resize(kViewport);
    viewer.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
    ASSERT_TRUE(viewer.CanDraw());
    const QImage actual = viewer.grabFramebuffer().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(actual.size(), kViewport);
    EXPECT_GT(viewer.FramesRendered(), 0);

    const QColor background = cut.scene.Background;
    EXPECT_EQ(actual.pixelColor(4, 4), background);
    EXPECT_EQ(actual.pixelColor(556, 444), background);
    // The start section (vertical, below the axis) and the stop section (level, behind it) face
    // the camera; the removed three quarters show the background above the axis.
    for (const QVector3D& point : {QVector3D(1, -1, 0.01f), QVector3D(3, 0.01f, -1), QVector3D(-3, 0.01f, -1.2f)})
        EXPECT_GT(actual.pixelColor(cut.Pixel(point)).lightness(), background.lightness() + 40)
            << point.x() << " " << point.y() << " " << point.z();
    EXPECT_EQ(actual.pixelColor(cut.Pixel({0, 1.5f, 0.5f})), background);

    const QString referenceFile = SourcePath("tests/scene/reference/cut_shaft.png");
    const QString outDir = QCoreApplication::applicationDirPath();
    const QImage expected = QImage(referenceFile).convertToFormat(QImage::Format_RGB32);
    QImage difference;
    const int differing = expected.size() == actual.size() ? CountDifferences(actual, expected, difference) : -1;
    if (differing < 0 || differing > actual.width() * actual.height() / 200) {
        actual.save(outDir + "/cut_shaft.out.png");
        if (!difference.isNull()) difference.save(outDir + "/cut_shaft.diff.png");
        ADD_FAILURE() << differing << " pixels differ from " << qPrintable(referenceFile) << "; see "
                      << qPrintable(outDir) << "/cut_shaft.out.png";
    }
}

TEST(SceneViewer, AContextWithoutTheFixedFunctionPipelineIsReportedOnce)
{
    QSurfaceFormat format = ViewerSurfaceFormat();
    EXPECT_TRUE(OpenGLSupportProblem(format, true).isEmpty());
    EXPECT_FALSE(OpenGLSupportProblem(format, false).isEmpty());
    format.setVersion(1, 4);
    EXPECT_TRUE(OpenGLSupportProblem(format, true).startsWith("The 3D view needs OpenGL 2.1"));
    format.setVersion(4, 5);
    format.setProfile(QSurfaceFormat::CoreProfile);
    EXPECT_FALSE(OpenGLSupportProblem(format, true).isEmpty());
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    EXPECT_TRUE(OpenGLSupportProblem(format, true).isEmpty());
}
