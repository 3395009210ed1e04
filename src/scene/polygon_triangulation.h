// Triangulation of a simple polygon that need not be convex, by ear clipping.
#pragma once

#include <QPointF>
#include <array>
#include <vector>

using TTriangleIndices = std::array<int, 3>;

// Triangles over the polygon's vertex indices, each wound counter-clockwise (y up). Repeated and
// collinear vertices give no triangles of their own; a polygon of no area gives none at all.
std::vector<TTriangleIndices> TriangulatePolygon(const std::vector<QPointF>& polygon);
