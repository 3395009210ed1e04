// The shaft's drawing for a 2D CAD: every line and arc of the drawing text and its mirror image
// below the axis on one layer, the axis as a centre line on another, in millimetres, as DXF.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

inline constexpr const char* kContourLayer = "CONTOUR";
inline constexpr const char* kAxisLayer = "AXIS";
// How far the centre line runs past the ends of the contour, in mm.
inline constexpr double kAxisOverhang = 5;

struct TDxfLine {
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

// Counter-clockwise from StartAngle to EndAngle, in degrees from 0 to 360.
struct TDxfArc {
    double CX = 0, CY = 0, Radius = 0, StartAngle = 0, EndAngle = 0;
};

struct TDxfDrawing {
    std::vector<TDxfLine> Lines;
    std::vector<TDxfArc> Arcs;
    TDxfLine Axis;
};

// The statements as drawn, the bore's lines among them, each followed by its mirror image. Lines of no length, arcs of no
// radius and the mirror image of a line on the axis draw nothing new and are left out. A text
// without statements fails with a message, as does a field that does not read.
TDxfDrawing ProfileDrawing(const QStringList& memo);

// The DXF file's contents, written by dxflib.
QByteArray DxfBytes(const TDxfDrawing& drawing);

// Writes the drawing of `memo` to `fileName`, whole or not at all.
void WriteProfileDxf(const QString& fileName, const QStringList& memo);
