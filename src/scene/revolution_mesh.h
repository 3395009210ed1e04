// The surface of a solid of revolution as plain triangles: a polyline of nodes in the local X-Y
// plane swept about the local Y axis.
#pragma once

#include <QVector3D>
#include <vector>

// Each triangle is wound counter-clockwise seen from the side its flat normal points to.
struct TTriangle {
    QVector3D A, B, C;
    QVector3D Normal;
};
using TMesh = std::vector<TTriangle>;

struct TRevolutionParts {
    bool Outside = true; // faces on the right of the node walk: away from the axis for a walk in +Y
    bool Inside = true;  // the same faces seen from the other side
    bool Start = false;  // the node polygon closed and laid flat at the start angle
    bool Stop = false;   // ... and at the stop angle
    bool operator==(const TRevolutionParts&) const = default;
};

// Number of angular steps of a sweep: the slices of a full turn in proportion, halves to even.
int RevolutionSteps(int slices, float startAngle, float stopAngle);

// Empty for fewer than two nodes or a stop angle not past the start angle. Angles in degrees;
// a node (x, y) at angle a lies at (x cos a, y, -x sin a). Segments of no length and segments on
// the axis give no faces.
TMesh BuildRevolutionMesh(const std::vector<QVector3D>& nodes, int slices, float startAngle, float stopAngle,
                          const TRevolutionParts& parts);
