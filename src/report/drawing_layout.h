// The dimensions of the drawn shaft laid out on paper before anything is painted: chain
// dimensions of the steps and the overall length under the outline, the diameter of each
// cylinder and of each stretch of the bore across it, the tapers' end diameters, the fillets'
// radii and the chamfers above it, and the bearings and loads. The bore is drawn as hidden edges.
// A text that does not fit between its lines moves outside on a leader; radii and chamfers too
// small to point at are numbered and listed; no two texts are placed over each other.
#pragma once

#include "report/profile_steps.h"
#include "report/text_placement.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPolygonF>
#include <QStringList>
#include <vector>

// A position marked on the drawing: a bearing "A" or the loads at one place "FH1, FV1".
struct TDrawingMark {
    QString Name;
    long double Position = 0; // mm
    bool Bearing = false;
};

struct TPlacedText {
    QString Text;
    QRectF Box;            // as placed on paper
    bool Upright = false;  // written bottom to top along a diameter's line
    bool Circled = false;  // the number of a listed radius or chamfer
};

// Paper points with the shaft's axis at y = 0, its left end at x = 0, y downwards.
struct TDrawingLayout {
    std::vector<QLineF> Lines;       // extension, dimension and leader lines, thin
    std::vector<QPolygonF> Symbols;  // arrowheads, bearings and load arrows, filled
    std::vector<QLineF> Hidden;      // the bore's edges and inner faces on both sides of the axis, dashed
    std::vector<TPlacedText> Texts;
    std::vector<QStringList> Listed; // number, feature, where: the radii and chamfers too small to point at
    int Omitted = 0;                 // dimensions without room at this scale (the steps table has them)
    QRectF Bounds;                   // everything, the outline included
};

// `pointsPerMm`: paper points for a millimetre of the shaft at the drawing's scale.
TDrawingLayout LayOutDrawing(const std::vector<TProfileStep>& steps, const std::vector<TDrawingMark>& marks,
                             double pointsPerMm, const QFontMetricsF& metrics);

// "58", "0.5": a length to a hundredth in its shortest form.
QString DimensionText(long double millimetres);
