// What the strength overlays of the editor draw, worked out from the analysis: the diameter the
// combined-stress rule requires along the shaft and at the analysed positions, and the pixels of
// the equal-strength curve and of the recommended-diameter marks.
#pragma once

#include "analysis/analysis_state.h"
#include "analysis/load_model.h"
#include "common/view_zoom.h"
#include "profile/contour_segment.h"

#include <QPoint>
#include <QString>
#include <vector>

// Everything the required diameter d(x) depends on, read at drawing time.
struct TStrengthInputs {
    long double TwistingMoment = 0; // MT
    bool ThirdTheory = true;        // T3
    bool CombinePlanes = false;     // MM
    long double TorsionCoeff = 0;   // alpha
    TTwistSpan TwistSpan;           // where MT acts
    TElementDrive ElementDrive;     // the elements' T(x), which replaces MT and its span
    long double AllowBendStress = 0;
    Tav HorzDiagram;
    Tav VertDiagram;
    TPuncte Points; // not necessarily sorted
    long double ShaftLength = 0;
    std::vector<TContourSegment> Bore; // the drawn bore's lines: d(x) is then the outer diameter
};

bool operator==(const TStrengthInputs& a, const TStrengthInputs& b);

// What the analysis and the navigation panel's Data1 hold now.
TStrengthInputs StrengthInputsOf(const TAnalysisState& analysis, const TData& data);

// The message that d(x) would fail with (no stress stored yet), or an empty text when it can be
// computed. While there is a message the overlays that need d(x) draw nothing, so the message
// is shown once, when such an overlay is switched on.
QString StrengthRuleProblem(const TStrengthInputs& inputs);

// d(x) at one position.
struct TStation {
    long double Position = 0;
    long double Diameter = 0;
};

// d(x) along the shaft: one station per millimetre from the rounded smallest to the rounded
// largest analysed position (a shaft of more than 100 m takes a coarser step), and at every
// analysed position in the order of `Points`, with the diameter there as its mark writes it.
struct TStrengthProfile {
    std::vector<TStation> Stations; // by position
    std::vector<TStation> AtPoints;
    std::vector<QString> AtPointLabels;
};

// Fails with the rule's message when d(x) cannot be computed.
TStrengthProfile ComputeStrengthProfile(const TStrengthInputs& inputs);

// A recommended diameter: the required-radius row at the position's column, and its label.
struct TRecommendedMark {
    QPoint At;
    QString Label;
};

struct TStrengthPicture {
    std::vector<QPoint> Curve; // the equal-strength curve, consecutive repeats left out
    std::vector<TRecommendedMark> Marks;
};

// The columns a picture is wanted for; the curve is cut to the segments that reach them.
struct TColumnSpan {
    int Left = 0;
    int Right = 0;
};

// On the editor's drawing; a shaft of no length fails with the arithmetic message. The curve keeps
// the stations within `seen` and one beyond each end, so that a segment crossing an edge of the
// view is kept whole: zoomed in, most of the curve lies outside and is not mapped at all.
TStrengthPicture StrengthPictureOf(const TStrengthProfile& profile, long double shaftLength, const TViewZoom& zoom,
                                   TColumnSpan seen);
