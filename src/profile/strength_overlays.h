// The strength overlays of the profile editor, drawn by the Generate pass when their switches
// are on: the diameter of every drawn step, the equal-strength curve, and the required diameter
// at every analysed position.
#pragma once

#include "canvas/canvas.h"
#include "profile/editor_state.h"
#include "profile/strength_profile.h"

#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

// The dimension line of a cylinder: its column, the rows of its two contours, and its diameter.
struct TDiameterMark {
    int X = 0;
    int Upper = 0; // the contour as written
    int Lower = 0; // its mirror image
    QString Label;
};

// A cylinder of the text: the middle of its line and its radius in millimetres, and its diameter.
struct TDiameterStep {
    long double Middle = 0;
    long double Radius = 0;
    QString Label;
};

// One step for every line statement with Y1 = Y2 (marked or not), in text order.
std::vector<TDiameterStep> DiameterStepsOf(const QStringList& memo);
// Their marks on the drawing.
std::vector<TDiameterMark> DiameterMarksOf(const std::vector<TDiameterStep>& steps, long double shaftLength,
                                           const TViewZoom& zoom);
inline std::vector<TDiameterMark> DiameterMarksOf(const QStringList& memo, long double shaftLength,
                                                  const TViewZoom& zoom = {})
{
    return DiameterMarksOf(DiameterStepsOf(memo), shaftLength, zoom);
}

// The dimension lines with an arrowhead at both contours and the diameter in "Small Fonts" 7
// beside them. The canvas keeps that font afterwards.
void DrawDiameterMarks(Canvas& canvas, const std::vector<TDiameterMark>& marks);
// The curve in green; the pen is black again afterwards.
void DrawEqualStrengthProfile(Canvas& canvas, const TStrengthPicture& picture);
// A green bracket over each required radius with its diameter in "Small Fonts" 6 centred above
// it; the font is restored and the brush is solid afterwards, the pen stays green.
void DrawRecommendedMarks(Canvas& canvas, const TStrengthPicture& picture);

using TStrengthInputsProvider = std::function<TStrengthInputs()>;

// The overlays with their own copy of what they last drew from, so that d(x) and the diameters of
// the text are worked out only when the analysis or the text has changed, not on every pass, and
// their pixels only when the zoom has changed too. While d(x) cannot be computed the curve and
// the marks draw nothing. A failure leaves the canvas's pen, brush and font as they were.
class TStrengthOverlays {
public:
    explicit TStrengthOverlays(TStrengthInputsProvider inputs);

    void DrawDiameters(Canvas& canvas, const QStringList& memo, const TViewZoom& zoom);
    void DrawEqualStrength(Canvas& canvas, const QStringList& memo, const TViewZoom& zoom);
    void DrawRecommended(Canvas& canvas, const QStringList& memo, const TViewZoom& zoom);

    // The picture for the current inputs and the bore of `memo` over the columns seen; none while
    // d(x) cannot be computed.
    const TStrengthPicture* CurrentPicture(const QStringList& memo, const TViewZoom& zoom, TColumnSpan seen);

private:
    TStrengthInputsProvider inputs_;
    QStringList stepsMemo_;
    std::vector<TDiameterStep> steps_;
    std::optional<long double> marksLength_; // none until the marks of the text are worked out
    TViewZoom marksZoom_;
    std::vector<TDiameterMark> marks_;
    std::optional<TStrengthInputs> drawnFrom_;
    std::optional<TStrengthProfile> profile_;
    TViewZoom pictureZoom_;
    TColumnSpan pictureSeen_;
    std::optional<TStrengthPicture> picture_;
};

// Hooks the three overlays into the editor's Generate pass, drawn through the state's zoom.
void InstallStrengthOverlays(TEditorState& state, TStrengthInputsProvider inputs);
