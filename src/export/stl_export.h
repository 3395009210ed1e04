// The shaft's solid for a 3D tool or slicer: a triangle mesh in millimetres as binary STL, and
// the check that a profile closes into a solid at all.
#pragma once

#include "analysis/analysis_state.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <vector>

using TStlVector = std::array<float, 3>;

// Vertices counter-clockwise seen from outside, the normal pointing out; millimetres.
struct TStlTriangle {
    TStlVector Normal{};
    std::array<TStlVector, 3> Vertices{};
};

// The revolution of a profile is a solid only when its walk starts and ends on the axis, at the
// end faces, or ends where it began (a hollow shaft's loop), and never crosses the axis;
// otherwise fails with a message naming what is wrong.
void CheckSolidProfile(const TModel& profile);

// An 80-byte heading, the triangle count and 50 bytes per triangle, little-endian. A coordinate
// that is not a finite number fails with "Invalid floating point operation".
QByteArray StlBytes(const std::vector<TStlTriangle>& triangles);

// Writes the triangles to `fileName`, whole or not at all.
void WriteStl(const QString& fileName, const std::vector<TStlTriangle>& triangles);

// The solid the 3D window draws at `slices`, swept a full turn whatever angle the view is cut
// at: in the profile's millimetres, the shaft's axis along x. Fails as CheckSolidProfile does.
std::vector<TStlTriangle> SolidTriangles(const TModel& profile, int slices);
