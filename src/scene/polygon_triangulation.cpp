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

// A vertex that repeats its predecessor or lies on the line through its neighbours (a spike of
// no width included) encloses no area.
bool IsFlat(const std::vector<QPointF>& polygon, const std::vector<int>& ring, size_t k)
{
    const size_t count = ring.size();
    const QPointF& a = polygon[ring[(k + count - 1) % count]];
    const QPointF& b = polygon[ring[k]];
    const QPointF& c = polygon[ring[(k + 1) % count]];
    return a == b || Cross(a, b, c) == 0;
}

// Passes until none is left: dropping one may flatten a neighbour already passed.
void DropFlatCorners(const std::vector<QPointF>& polygon, std::vector<int>& ring)
{
    for (bool dropped = true; dropped;) {
        dropped = false;
        for (size_t k = 0; ring.size() >= 3 && k < ring.size();) {
            if (IsFlat(polygon, ring, k)) {
                ring.erase(ring.begin() + k);
                dropped = true;
            } else {
                ++k;
            }
        }
    }
}

// After a cut only the neighbours of the cut corner can have become flat; `next` is the index of
// the one after it and follows it through the removals.
void DropFlatNeighbours(const std::vector<QPointF>& polygon, std::vector<int>& ring, size_t& next)
{
    for (bool dropped = true; dropped && ring.size() >= 3;) {
        dropped = false;
        const size_t count = ring.size();
        for (const size_t k : {(next + count - 1) % count, next % count}) {
            if (!IsFlat(polygon, ring, k)) continue;
            ring.erase(ring.begin() + k);
            if (k < next) --next;
            dropped = true;
            break;
        }
    }
    next %= ring.size();
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
            DropFlatNeighbours(polygon, ring, corner);
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
