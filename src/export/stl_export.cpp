#include "export/stl_export.h"

#include "common/errors.h"
#include "common/whole_file.h"
#include "profile/profile_points.h"
#include "profile/vertical_lines.h"
#include "scene/revolution_mesh.h"

#include <QtEndian>

#include <cmath>
#include <cstring>

namespace {

constexpr int kHeadingSize = 80;
constexpr int kTriangleSize = 50;

char* PutVector(char* out, const TStlVector& vector)
{
    for (float value : vector) {
        if (!std::isfinite(value)) RaiseError(kInvalidOperation);
        // -0 and 0 differ as bytes: a point on the axis reached at different angles would not
        // join its neighbours for a reader that matches vertices by their bytes.
        qToLittleEndian(value + 0.0f, out);
        out += sizeof(float);
    }
    return out;
}

// The mesh runs about its Y axis; turned so that the axis lies along x, as in the drawing.
TStlVector AlongX(const QVector3D& v) { return {v.y(), v.x(), -v.z()}; }

} // namespace

void CheckSolidProfile(const TModel& profile)
{
    CheckProfileAboveAxis(profile);
    if (ClosesOnItself(profile)) return; // a hollow shaft: the outline and the bore close a tube
    const bool left = profile.size() >= 2 && profile.front().r == 0;
    const bool right = profile.size() >= 2 && profile.back().r == 0;
    if (left && right) return;
    const QString missing = !left && !right ? "neither a left nor a right end face"
                            : !left         ? "no left end face"
                                            : "no right end face";
    RaiseError("The profile is open: it has " + missing + ", so it does not close into a solid. " + kCloseOutlineHint);
}

QByteArray StlBytes(const std::vector<TStlTriangle>& triangles)
{
    const qsizetype count = qsizetype(triangles.size());
    QByteArray bytes(kHeadingSize + 4 + count * kTriangleSize, '\0');
    char* out = bytes.data();
    // A heading that begins with "solid" would pass for a text STL.
    const char heading[] = "Korvel shaft, binary STL, millimetres";
    std::memcpy(out, heading, sizeof(heading) - 1);
    out += kHeadingSize;
    qToLittleEndian(quint32(count), out);
    out += 4;
    for (const TStlTriangle& triangle : triangles) {
        out = PutVector(out, triangle.Normal);
        for (const TStlVector& vertex : triangle.Vertices) out = PutVector(out, vertex);
        out += 2; // attribute byte count, 0
    }
    return bytes;
}

void WriteStl(const QString& fileName, const std::vector<TStlTriangle>& triangles)
{
    WriteWholeFile(fileName, StlBytes(triangles));
}

std::vector<TStlTriangle> SolidTriangles(const TModel& profile, int slices)
{
    CheckSolidProfile(profile);
    std::vector<QVector3D> nodes;
    for (const TProfilePoint& point : profile) nodes.emplace_back(float(point.r), float(point.x), 0.0f);
    TRevolutionParts outsideOnly;
    outsideOnly.Inside = false;
    std::vector<TStlTriangle> triangles;
    for (const TTriangle& t : BuildRevolutionMesh(nodes, slices, 0, 360, outsideOnly))
        triangles.push_back({AlongX(t.Normal), {AlongX(t.A), AlongX(t.B), AlongX(t.C)}});
    return triangles;
}
