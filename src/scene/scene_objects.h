// The plain objects of a scene besides the camera and the solids: materials, lights, spheres
// and the invisible pivot that a camera aims at.
#pragma once

#include <QVector3D>
#include <QVector4D>

// How a surface takes the light.
struct TSurfaceMaterial {
    QVector4D Ambient{0.2f, 0.2f, 0.2f, 1};
    QVector4D Diffuse{0.8f, 0.8f, 0.8f, 1};
    QVector4D Specular{0, 0, 0, 1};
    QVector4D Emission{0, 0, 0, 1};
    float Shininess = 0;
};

// A point light. An omnidirectional light has a spot cut-off of 180 degrees (no cone).
struct TLightSource {
    QVector3D Position;
    bool Shining = true;
    float ConstantAttenuation = 1;
    float LinearAttenuation = 0;
    float QuadraticAttenuation = 0;
    float SpotCutOff = 180;
    QVector4D Diffuse{1, 1, 1, 1};
    QVector4D Specular{1, 1, 1, 1};
    QVector4D Ambient{0, 0, 0, 1};
};

struct TSphere {
    QVector3D Position;
    float Radius = 0.5f;
    bool Visible = true;
    TSurfaceMaterial Material;
};

// Never drawn: it only marks a point that other objects refer to.
struct TDummyCube {
    QVector3D Position;
    float CubeSize = 1;
};
