// A solid of revolution in the scene: its settings and the mesh built from them, rebuilt only
// after a setting that shapes it has changed.
#pragma once

#include "scene/revolution_mesh.h"
#include "scene/scene_objects.h"

#include <QMatrix4x4>
#include <vector>

class TRevolutionSolid {
public:
    const std::vector<QVector3D>& Nodes() const { return nodes_; }
    int Slices() const { return slices_; }
    float StartAngle() const { return startAngle_; }
    float StopAngle() const { return stopAngle_; }
    const TRevolutionParts& Parts() const { return parts_; }

    void SetNodes(std::vector<QVector3D> nodes);
    void SetSlices(int slices);
    void SetStartAngle(float degrees);
    void SetStopAngle(float degrees);
    void SetParts(const TRevolutionParts& parts);

    // The triangles in the solid's local frame.
    const TMesh& Mesh() const;
    // How many times the mesh has been built so far.
    int MeshBuilds() const { return meshBuilds_; }

    // Local frame in the scene: the local Y axis (the axis of revolution) along `Up`, the local Z
    // along `Direction`.
    QVector3D Position;
    QVector3D Up{0, 1, 0};
    QVector3D Direction{0, 0, 1};
    QMatrix4x4 LocalToScene() const;

    bool Visible = true;
    bool ShowAxes = false;
    TSurfaceMaterial Material;

private:
    void Invalidate() { stale_ = true; }

    std::vector<QVector3D> nodes_;
    int slices_ = 32;
    float startAngle_ = 0;
    float stopAngle_ = 360;
    TRevolutionParts parts_;
    mutable TMesh mesh_;
    mutable bool stale_ = true;
    mutable int meshBuilds_ = 0;
};
