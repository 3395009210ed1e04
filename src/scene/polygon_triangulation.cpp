// Ear clipping: walk the polygon counter-clockwise and cut off convex corners whose triangle holds
// no other remaining vertex, until three vertices are left.
#include "scene/polygon_triangulation.h"

#include <algorithm>
#include <numeric>

namespace {

double Cross(const QPointF& a, const QPointF& b, const QPointF& c)
{
    return (b.x() - a.x()) * (c.y() - a.y()) - (b.y() - a.y()) * (c.x() - a.x());
}

double SignedArea(const std::vector<QPointF>& polygon)
{
    double twice = 0;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++)
        twice += polygon[j].x() * polygon[i].y() - polygon[i].x() * polygon[j].y();
    return twice / 2;
}

// Inside or on the border of the counter-clockwise triangle abc.
bool InTriangle(const QPointF& p, const QPointF& a, const QPointF& b, const QPointF& c)
{
    return Cross(a, b, p) >= 0 && Cross(b, c, p) >= 0 && Cross(c, a, p) >= 0;
}

bool IsEar(const std::vector<QPointF>& polygon, const std::vector<int>& ring, size_t corner)
{
    const size_t count = ring.size();
    const QPointF& a = polygon[ring[(corner + count - 1) % count]];
    const QPointF& b = polygon[ring[corner]];
    const QPointF& c = polygon[ring[(corner + 1) % count]];
    if (Cross(a, b, c) <= 0) return false;
    for (size_t k = 0; k < count; ++k) {
        const QPointF& p = polygon[ring[k]];
        if (k == corner || p == a || p == b || p == c) continue;
        if (InTriangle(p, a, b, c)) return false;
    }
    return true;
}

// Drops vertices that repeat their predecessor or lie on the line through their neighbours
// (a spike of no width included): they enclose no area.
void DropFlatCorners(const std::vector<QPointF>& polygon, std::vector<int>& ring)
{
    for (size_t k = 0; ring.size() >= 3 && k < ring.size();) {
        const size_t count = ring.size();
        const QPointF& a = polygon[ring[(k + count - 1) % count]];
        const QPointF& b = polygon[ring[k]];
        const QPointF& c = polygon[ring[(k + 1) % count]];
        if (a == b || Cross(a, b, c) == 0) {
            ring.erase(ring.begin() + k);
            k = 0;
        } else {
            ++k;
        }
    }
}

} // namespace

std::vector<TTriangleIndices> TriangulatePolygon(const std::vector<QPointF>& polygon)
{
    std::vector<TTriangleIndices> triangles;
    if (polygon.size() < 3) return triangles;
    std::vector<int> ring(polygon.size());
    std::iota(ring.begin(), ring.end(), 0);
    if (SignedArea(polygon) < 0) std::reverse(ring.begin(), ring.end());
    DropFlatCorners(polygon, ring);
    size_t corner = 0;
    size_t failures = 0;
    while (ring.size() > 3 && failures < ring.size()) {
        if (IsEar(polygon, ring, corner)) {
            const size_t count = ring.size();
            triangles.push_back({ring[(corner + count - 1) % count], ring[corner], ring[(corner + 1) % count]});
            ring.erase(ring.begin() + corner);
            DropFlatCorners(polygon, ring);
            corner %= ring.size();
            failures = 0;
        } else {
            corner = (corner + 1) % ring.size();
            ++failures;
        }
    }
    if (ring.size() == 3 && Cross(polygon[ring[0]], polygon[ring[1]], polygon[ring[2]]) > 0)
        triangles.push_back({ring[0], ring[1], ring[2]});
    return triangles;
}
