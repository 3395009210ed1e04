// The viewer's context requirements and the message shown when the machine cannot meet them.
#include "scene/gl_support.h"

#include <QGuiApplication>
#include <QOpenGLContext>

QSurfaceFormat ViewerSurfaceFormat()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setVersion(2, 1);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    return format;
}

QString OpenGLSupportProblem(const QSurfaceFormat& format, bool contextValid)
{
    const bool fixedFunction = format.renderableType() != QSurfaceFormat::OpenGLES &&
                               format.profile() != QSurfaceFormat::CoreProfile &&
                               format.version() >= qMakePair(2, 1);
    if (contextValid && fixedFunction) return {};
    return QStringLiteral("The 3D view needs OpenGL 2.1 (compatibility profile), which this computer does not "
                          "provide. The 3D model cannot be shown; the rest of the program works as before.");
}

bool ViewerContextAvailable()
{
    static const bool available = [] {
        QOpenGLContext probe;
        probe.setFormat(ViewerSurfaceFormat());
        return probe.create() && OpenGLSupportProblem(probe.format(), probe.isValid()).isEmpty();
    }();
    return available;
}
