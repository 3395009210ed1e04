// Settings of a solid of revolution; a changed setting marks the mesh for rebuilding.
#include "scene/revolution_solid.h"

void TRevolutionSolid::SetNodes(std::vector<QVector3D> nodes)
{
    if (nodes == nodes_) return;
    nodes_ = std::move(nodes);
    Invalidate();
}

void TRevolutionSolid::SetSlices(int slices)
{
    if (slices == slices_) return;
    slices_ = slices;
    Invalidate();
}

void TRevolutionSolid::SetStartAngle(float degrees)
{
    if (degrees == startAngle_) return;
    startAngle_ = degrees;
    Invalidate();
}

void TRevolutionSolid::SetStopAngle(float degrees)
{
    if (degrees == stopAngle_) return;
    stopAngle_ = degrees;
    Invalidate();
}

void TRevolutionSolid::SetParts(const TRevolutionParts& parts)
{
    if (parts == parts_) return;
    parts_ = parts;
    Invalidate();
}

const TMesh& TRevolutionSolid::Mesh() const
{
    if (stale_) {
        mesh_ = BuildRevolutionMesh(nodes_, slices_, startAngle_, stopAngle_, parts_);
        stale_ = false;
        ++meshBuilds_;
    }
    return mesh_;
}

QMatrix4x4 TRevolutionSolid::LocalToScene() const
{
    const QVector3D y = Up.normalized();
    const QVector3D z = Direction.normalized();
    const QVector3D x = QVector3D::crossProduct(y, z);
    return QMatrix4x4(x.x(), y.x(), z.x(), Position.x(),
                      x.y(), y.y(), z.y(), Position.y(),
                      x.z(), y.z(), z.z(), Position.z(),
                      0, 0, 0, 1);
}
