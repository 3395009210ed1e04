// What the viewer needs of OpenGL: a context of version 2.1 or later with the fixed-function
// pipeline (a compatibility profile).
#pragma once

#include <QString>
#include <QSurfaceFormat>

// The format the viewer asks for.
QSurfaceFormat ViewerSurfaceFormat();
// Whether this machine gives the viewer a context it can draw with; asked once, then remembered.
// Without one no viewer may be created: the toolkit cannot even compose a window holding it.
bool ViewerContextAvailable();
// Empty when a context of this format can draw the scene, else the message for the user.
QString OpenGLSupportProblem(const QSurfaceFormat& format, bool contextValid);
