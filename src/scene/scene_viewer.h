// The viewer: an OpenGL widget that draws a scene through the fixed-function pipeline and counts
// the frames it draws.
#pragma once

#include "scene/scene.h"

#include <QElapsedTimer>
#include <QOpenGLWidget>
#include <vector>

class TSceneViewer : public QOpenGLWidget {
    Q_OBJECT
public:
    explicit TSceneViewer(const TScene* scene, QWidget* parent = nullptr);
    ~TSceneViewer() override;

    long long FramesRendered() const { return frames_; }
    // Frames drawn since the last reset, per second of time since then.
    double FramesPerSecond() const;
    void ResetFrameCounter();

    // While on, every frame asks for the next one, so the frame rate shows what the machine can do.
    void SetContinuousRendering(bool on);
    bool IsContinuousRendering() const { return continuous_; }

    // False when the context cannot draw the scene; the user has been told once.
    bool CanDraw() const { return canDraw_; }

protected:
    void initializeGL() override;
    void showEvent(QShowEvent* event) override;
    void paintGL() override;

private:
    struct TSolidArrays {
        const TMesh* Source = nullptr;
        int Builds = -1;
        std::vector<float> Vertices, Normals;
    };

    // Draws nothing from now on and tells the user why, once.
    void Refuse(const QString& problem);
    void ApplyCamera();
    void ApplyLights();
    void DrawSolids();
    void DrawSpheres();
    void DrawAxes();
    const TSolidArrays& ArraysOf(size_t index, const TRevolutionSolid& solid);

    const TScene* scene_;
    std::vector<TSolidArrays> arrays_;
    void* quadric_ = nullptr; // GLUquadric, kept opaque so that GLU stays out of this header
    bool canDraw_ = true;
    bool refusalShown_ = false;
    bool continuous_ = false;
    long long frames_ = 0;
    long long framesSinceReset_ = 0;
    QElapsedTimer sinceReset_;
};
