// Draws the scene with the fixed-function pipeline: camera matrices, up to eight point lights,
// the solids from vertex arrays, the spheres through GLU, and the solids' local axes.
#include "scene/scene_viewer.h"

#include "common/messages.h"
#include "scene/gl_support.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <QOpenGLContext>
#include <QTimer>
#include <array>

namespace {

constexpr int kMaxLights = 8;
constexpr float kAxisLength = 7;

std::array<float, 4> Components(const QVector4D& v)
{
    return {v.x(), v.y(), v.z(), v.w()};
}

void SetMaterial(const TSurfaceMaterial& material)
{
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, Components(material.Ambient).data());
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, Components(material.Diffuse).data());
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, Components(material.Specular).data());
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, Components(material.Emission).data());
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, material.Shininess);
}

void SetLight(GLenum light, const TLightSource& source)
{
    const float position[4] = {source.Position.x(), source.Position.y(), source.Position.z(), 1};
    glLightfv(light, GL_POSITION, position);
    glLightfv(light, GL_DIFFUSE, Components(source.Diffuse).data());
    glLightfv(light, GL_SPECULAR, Components(source.Specular).data());
    glLightfv(light, GL_AMBIENT, Components(source.Ambient).data());
    glLightf(light, GL_CONSTANT_ATTENUATION, source.ConstantAttenuation);
    glLightf(light, GL_LINEAR_ATTENUATION, source.LinearAttenuation);
    glLightf(light, GL_QUADRATIC_ATTENUATION, source.QuadraticAttenuation);
    glLightf(light, GL_SPOT_CUTOFF, source.SpotCutOff);
}

} // namespace

TSceneViewer::TSceneViewer(const TScene* scene, QWidget* parent) : QOpenGLWidget(parent), scene_(scene)
{
    setFormat(ViewerSurfaceFormat());
    sinceReset_.start();
    connect(this, &QOpenGLWidget::frameSwapped, this, [this] {
        if (continuous_) update();
    });
}

TSceneViewer::~TSceneViewer()
{
    if (quadric_) {
        makeCurrent();
        gluDeleteQuadric(static_cast<GLUquadric*>(quadric_));
        doneCurrent();
    }
}

double TSceneViewer::FramesPerSecond() const
{
    const qint64 elapsed = sinceReset_.nsecsElapsed();
    return elapsed > 0 ? framesSinceReset_ * 1e9 / double(elapsed) : 0;
}

void TSceneViewer::ResetFrameCounter()
{
    framesSinceReset_ = 0;
    sinceReset_.restart();
}

void TSceneViewer::SetContinuousRendering(bool on)
{
    continuous_ = on;
    if (on) update();
}

void TSceneViewer::initializeGL()
{
    const QString problem = OpenGLSupportProblem(context()->format(), context()->isValid());
    if (!problem.isEmpty()) return Refuse(problem);
    quadric_ = gluNewQuadric();
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_NORMALIZE);
    // Flat normals already give each face one shade; smooth shading keeps the point lights from
    // showing the seams between the triangles of one large face.
    glShadeModel(GL_SMOOTH);
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, GL_TRUE);
}

// Without any context the widget never initialises; the first show finds that out.
void TSceneViewer::showEvent(QShowEvent* event)
{
    QOpenGLWidget::showEvent(event);
    QTimer::singleShot(0, this, [this] {
        if (!isValid()) Refuse(OpenGLSupportProblem(QSurfaceFormat(), false));
    });
}

void TSceneViewer::Refuse(const QString& problem)
{
    canDraw_ = false;
    if (refusalShown_) return;
    refusalShown_ = true;
    // A message box must not open inside the widget's painting.
    QTimer::singleShot(0, this, [problem] { ShowMessage(problem); });
}

void TSceneViewer::paintGL()
{
    const QColor background = scene_->Background;
    glClearColor(background.redF(), background.greenF(), background.blueF(), 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    ++frames_;
    ++framesSinceReset_;
    if (!canDraw_) return;
    ApplyCamera();
    ApplyLights();
    DrawSolids();
    DrawSpheres();
}

void TSceneViewer::ApplyCamera()
{
    const float aspect = height() > 0 ? float(width()) / float(height()) : 1;
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(scene_->Camera()->ProjectionMatrix(aspect).constData());
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(scene_->Camera()->ViewMatrix().constData());
}

// Light positions go through the view matrix, so they stay fixed in the scene.
void TSceneViewer::ApplyLights()
{
    glEnable(GL_LIGHTING);
    int index = 0;
    for (const TLightSource& light : scene_->Lights()) {
        if (index == kMaxLights) break;
        const GLenum name = GL_LIGHT0 + index++;
        if (!light.Shining) {
            glDisable(name);
            continue;
        }
        SetLight(name, light);
        glEnable(name);
    }
    for (; index < kMaxLights; ++index) glDisable(GL_LIGHT0 + index);
}

void TSceneViewer::DrawSolids()
{
    size_t index = 0;
    for (const TRevolutionSolid& solid : scene_->Solids()) {
        const TSolidArrays& arrays = ArraysOf(index++, solid);
        if (!solid.Visible) continue;
        glPushMatrix();
        glMultMatrixf(solid.LocalToScene().constData());
        SetMaterial(solid.Material);
        if (!arrays.Vertices.empty()) {
            glEnableClientState(GL_VERTEX_ARRAY);
            glEnableClientState(GL_NORMAL_ARRAY);
            glVertexPointer(3, GL_FLOAT, 0, arrays.Vertices.data());
            glNormalPointer(GL_FLOAT, 0, arrays.Normals.data());
            glDrawArrays(GL_TRIANGLES, 0, GLsizei(arrays.Vertices.size() / 3));
            glDisableClientState(GL_NORMAL_ARRAY);
            glDisableClientState(GL_VERTEX_ARRAY);
        }
        if (solid.ShowAxes) DrawAxes();
        glPopMatrix();
    }
}

// The vertex arrays follow the solid's mesh and are refilled only when the mesh was rebuilt.
const TSceneViewer::TSolidArrays& TSceneViewer::ArraysOf(size_t index, const TRevolutionSolid& solid)
{
    if (arrays_.size() <= index) arrays_.resize(index + 1);
    TSolidArrays& arrays = arrays_[index];
    const TMesh& mesh = solid.Mesh();
    if (arrays.Source == &mesh && arrays.Builds == solid.MeshBuilds()) return arrays;
    arrays.Source = &mesh;
    arrays.Builds = solid.MeshBuilds();
    arrays.Vertices.clear();
    arrays.Normals.clear();
    for (const TTriangle& triangle : mesh) {
        for (const QVector3D* corner : {&triangle.A, &triangle.B, &triangle.C}) {
            arrays.Vertices.insert(arrays.Vertices.end(), {corner->x(), corner->y(), corner->z()});
            arrays.Normals.insert(arrays.Normals.end(), {triangle.Normal.x(), triangle.Normal.y(), triangle.Normal.z()});
        }
    }
    return arrays;
}

void TSceneViewer::DrawAxes()
{
    glDisable(GL_LIGHTING);
    glBegin(GL_LINES);
    const float axes[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    for (const auto& axis : axes) {
        glColor3f(axis[0], axis[1], axis[2]);
        glVertex3f(-kAxisLength * axis[0], -kAxisLength * axis[1], -kAxisLength * axis[2]);
        glVertex3f(kAxisLength * axis[0], kAxisLength * axis[1], kAxisLength * axis[2]);
    }
    glEnd();
    glEnable(GL_LIGHTING);
}

void TSceneViewer::DrawSpheres()
{
    for (const TSphere& sphere : scene_->Spheres()) {
        if (!sphere.Visible) continue;
        glPushMatrix();
        glTranslatef(sphere.Position.x(), sphere.Position.y(), sphere.Position.z());
        SetMaterial(sphere.Material);
        gluSphere(static_cast<GLUquadric*>(quadric_), sphere.Radius, 24, 16);
        glPopMatrix();
    }
}
