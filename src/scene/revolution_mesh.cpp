// Sweeps the node polyline into bands of flat quadrilaterals (two triangles each) and closes a
// partial sweep with the node polygon at both ends.
#include "scene/revolution_mesh.h"

#include "scene/polygon_triangulation.h"

#include <QtMath>
#include <cmath>

namespace {

struct TSweep {
    std::vector<float> Cos, Sin; // of every step angle, start to stop
    float HalfStepCos = 1;       // cos of half a step: how much a flat face sits inside the circle
};

TSweep MakeSweep(int steps, float startAngle, float stopAngle)
{
    TSweep sweep;
    const double start = qDegreesToRadians(double(startAngle));
    const double step = qDegreesToRadians(double(stopAngle - startAngle)) / steps;
    for (int j = 0; j <= steps; ++j) {
        sweep.Cos.push_back(float(std::cos(start + j * step)));
        sweep.Sin.push_back(float(std::sin(start + j * step)));
    }
    // A full turn ends on the very vertices it began with, or a hairline seam stays open.
    if (stopAngle - startAngle == 360) { sweep.Cos.back() = sweep.Cos.front(); sweep.Sin.back() = sweep.Sin.front(); }
    sweep.HalfStepCos = float(std::cos(step / 2));
    return sweep;
}

QVector3D At(const QVector3D& node, const TSweep& sweep, int j)
{
    return {node.x() * sweep.Cos[j], node.y(), -node.x() * sweep.Sin[j]};
}

// Outward faces of one segment's band; the inside copies are added with the winding reversed.
void AddBand(const QVector3D& n0, const QVector3D& n1, const TSweep& sweep, const TRevolutionParts& parts, TMesh& mesh)
{
    const float dr = n1.x() - n0.x();
    const float dy = n1.y() - n0.y();
    if ((dr == 0 && dy == 0) || (n0.x() == 0 && n1.x() == 0)) return;
    const float normalR = dy;
    const float normalY = -dr * sweep.HalfStepCos;
    const float length = std::hypot(normalR, normalY);
    const int steps = int(sweep.Cos.size()) - 1;
    for (int j = 0; j < steps; ++j) {
        const float midCos = sweep.Cos[j] + sweep.Cos[j + 1];
        const float midSin = sweep.Sin[j] + sweep.Sin[j + 1];
        const float midLength = std::hypot(midCos, midSin);
        const QVector3D normal(normalR * midCos / midLength / length, normalY / length, -normalR * midSin / midLength / length);
        const QVector3D a = At(n0, sweep, j), b = At(n1, sweep, j), c = At(n1, sweep, j + 1), d = At(n0, sweep, j + 1);
        // A node on the axis makes one of the two triangles collapse.
        if (n1.x() != 0) {
            if (parts.Outside) mesh.push_back({a, c, b, normal});
            if (parts.Inside) mesh.push_back({a, b, c, -normal});
        }
        if (n0.x() != 0) {
            if (parts.Outside) mesh.push_back({a, d, c, normal});
            if (parts.Inside) mesh.push_back({a, c, d, -normal});
        }
    }
}

// The node polygon at step j, facing along `facing` (the sense of growing or of shrinking angle).
void AddCap(const std::vector<QVector3D>& nodes, const std::vector<TTriangleIndices>& triangles, const TSweep& sweep,
            int j, bool facingGrowth, TMesh& mesh)
{
    const QVector3D growth(-sweep.Sin[j], 0, -sweep.Cos[j]);
    const QVector3D normal = facingGrowth ? growth : -growth;
    for (const TTriangleIndices& t : triangles) {
        const QVector3D a = At(nodes[t[0]], sweep, j), b = At(nodes[t[1]], sweep, j), c = At(nodes[t[2]], sweep, j);
        // Counter-clockwise in the X-Y plane faces the shrinking angle at angle zero.
        if (facingGrowth)
            mesh.push_back({a, c, b, normal});
        else
            mesh.push_back({a, b, c, normal});
    }
}

} // namespace

int RevolutionSteps(int slices, float startAngle, float stopAngle)
{
    const double steps = std::nearbyint(double(stopAngle - startAngle) / 360.0 * slices);
    return steps < 1 ? 1 : int(steps);
}

TMesh BuildRevolutionMesh(const std::vector<QVector3D>& nodes, int slices, float startAngle, float stopAngle,
                          const TRevolutionParts& parts)
{
    TMesh mesh;
    if (nodes.size() < 2 || !(stopAngle > startAngle) || slices < 1) return mesh;
    const int steps = RevolutionSteps(slices, startAngle, stopAngle);
    const TSweep sweep = MakeSweep(steps, startAngle, stopAngle);
    mesh.reserve(nodes.size() * steps * 4);
    for (size_t i = 0; i + 1 < nodes.size(); ++i) AddBand(nodes[i], nodes[i + 1], sweep, parts, mesh);
    if (parts.Start || parts.Stop) {
        std::vector<QPointF> polygon;
        for (const QVector3D& node : nodes) polygon.emplace_back(node.x(), node.y());
        const auto triangles = TriangulatePolygon(polygon);
        if (parts.Start) AddCap(nodes, triangles, sweep, 0, false, mesh);
        if (parts.Stop) AddCap(nodes, triangles, sweep, steps, true, mesh);
    }
    return mesh;
}
