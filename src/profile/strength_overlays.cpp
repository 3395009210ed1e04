#include "profile/strength_overlays.h"

#include "common/number_text.h"
#include "profile/canvas_mapping.h"
#include "profile/dhl_statement.h"
#include "profile/verification.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kGreen(0, 128, 0);

// A filled arrowhead with its tip at (x, tip), its base 10 rows towards `direction`.
void DrawArrowhead(Canvas& canvas, int x, int tip, int direction)
{
    const int base = tip + 10 * direction;
    canvas.MoveTo(x, tip);
    canvas.LineTo(x - 3, base);
    canvas.LineTo(x + 3, base);
    canvas.LineTo(x, tip);
    canvas.Brush.Color = kBlack;
    canvas.FloodFill(x + 1, tip + 9 * direction, kBlack);
    canvas.FloodFill(x - 1, tip + 9 * direction, kBlack);
    canvas.Brush.Color = kWhite;
}

// How far beside the canvas the pen can still paint on it.
int PenReach(const Canvas& canvas) { return canvas.Pen.Width / 2 + 2; }

// Whether columns `left` to `right` reach the canvas: a zoomed drawing leaves most marks out of
// sight, and skipping them changes no pixel.
bool InSight(const Canvas& canvas, int left, int right)
{
    return right >= -PenReach(canvas) && left < canvas.Width() + PenReach(canvas);
}

void DrawDiameterMark(Canvas& canvas, const TDiameterMark& mark)
{
    canvas.Font.Name = "Small Fonts";
    canvas.Font.Size = 7;
    const int labelRight = mark.X + 4 + (mark.X < 0 ? canvas.TextExtent(mark.Label).width() : 0);
    if (!InSight(canvas, mark.X - 3, std::max(mark.X + 3, labelRight))) return;
    DrawArrowhead(canvas, mark.X, mark.Upper, -1);
    DrawArrowhead(canvas, mark.X, mark.Lower, +1);
    canvas.MoveTo(mark.X, mark.Upper);
    canvas.LineTo(mark.X, mark.Lower);
    canvas.TextOut(mark.X + 4, (mark.Upper + mark.Lower) / 2 - 14, mark.Label);
}

void DrawRecommendedMark(Canvas& canvas, const TRecommendedMark& mark)
{
    const int x = mark.At.x();
    const int y = mark.At.y();
    canvas.Pen.Color = kGreen;
    const TFont font = canvas.Font;
    canvas.Font.Name = "Small Fonts";
    canvas.Font.Size = 6;
    canvas.Font.Color = kGreen;
    const QSize extent = canvas.TextExtent(mark.Label);
    const int labelLeft = x - int(Round(extent.width() / 2.0L));
    if (InSight(canvas, std::min(x - 9, labelLeft), std::max(x + 9, labelLeft + extent.width()))) {
        canvas.MoveTo(x - 9, y - 4);
        canvas.LineTo(x - 9, y - 2);
        canvas.LineTo(x + 9, y - 2);
        canvas.LineTo(x + 9, y - 4);
        canvas.Brush.Style = TBrushStyle::Clear;
        canvas.TextOut(labelLeft, y - 4 - extent.height(), mark.Label);
    }
    canvas.Font.Name = font.Name;
    canvas.Font.Size = font.Size;
    canvas.Font.Color = font.Color;
    canvas.Brush.Style = TBrushStyle::Solid;
}

// The columns on which the pen can paint.
TColumnSpan SeenColumns(const Canvas& canvas) { return {-PenReach(canvas), canvas.Width() + PenReach(canvas)}; }

// A segment of the curve that lies wholly beside the canvas on one side.
bool OutOfSight(const Canvas& canvas, QPoint a, QPoint b)
{
    const int reach = PenReach(canvas);
    const int right = canvas.Width() + reach, bottom = canvas.Height() + reach;
    return (a.x() < -reach && b.x() < -reach) || (a.x() > right && b.x() > right) ||
           (a.y() < -reach && b.y() < -reach) || (a.y() > bottom && b.y() > bottom);
}

} // namespace

std::vector<TDiameterStep> DiameterStepsOf(const QStringList& memo)
{
    std::vector<TDiameterStep> steps;
    for (const QString& text : memo) {
        const TStatement statement = ReadStatement(text);
        const TLineStatement& line = statement.Line;
        if (statement.Kind != TStatementKind::Line || line.Y1 != line.Y2) continue;
        steps.push_back({(line.X1 + line.X2) / 2, line.Y1, FormatFloat("0.00", 2 * line.Y1)});
    }
    return steps;
}

std::vector<TDiameterMark> DiameterMarksOf(const std::vector<TDiameterStep>& steps, long double shaftLength,
                                           const TViewZoom& zoom)
{
    std::vector<TDiameterMark> marks;
    marks.reserve(steps.size());
    for (const TDiameterStep& step : steps)
        marks.push_back({px(step.Middle, shaftLength, zoom), py(step.Radius, shaftLength, zoom),
                         py(-step.Radius, shaftLength, zoom), step.Label});
    return marks;
}

void DrawDiameterMarks(Canvas& canvas, const std::vector<TDiameterMark>& marks)
{
    const int width = canvas.Pen.Width;
    canvas.Pen.Width = 1;
    for (const TDiameterMark& mark : marks) DrawDiameterMark(canvas, mark);
    canvas.Pen.Width = width;
}

void DrawEqualStrengthProfile(Canvas& canvas, const TStrengthPicture& picture)
{
    if (picture.Curve.empty()) return;
    canvas.Pen.Color = kGreen;
    QPoint from = picture.Curve.front();
    canvas.MoveTo(from.x(), from.y());
    for (const QPoint& pixel : picture.Curve) {
        if (OutOfSight(canvas, from, pixel)) canvas.MoveTo(pixel.x(), pixel.y());
        else canvas.LineTo(pixel.x(), pixel.y());
        from = pixel;
    }
    canvas.Pen.Color = kBlack;
}

void DrawRecommendedMarks(Canvas& canvas, const TStrengthPicture& picture)
{
    for (const TRecommendedMark& mark : picture.Marks) DrawRecommendedMark(canvas, mark);
}

TStrengthOverlays::TStrengthOverlays(TStrengthInputsProvider inputs) : inputs_(std::move(inputs)) {}

void TStrengthOverlays::DrawDiameters(Canvas& canvas, const QStringList& memo, const TViewZoom& zoom)
{
    const long double shaftLength = inputs_().ShaftLength;
    if (memo != stepsMemo_) {
        steps_ = DiameterStepsOf(memo);
        stepsMemo_ = memo;
        marksLength_.reset();
    }
    if (marksLength_ != shaftLength || !(zoom == marksZoom_)) {
        marks_ = DiameterMarksOf(steps_, shaftLength, zoom);
        marksLength_ = shaftLength;
        marksZoom_ = zoom;
    }
    DrawDiameterMarks(canvas, marks_);
}

void TStrengthOverlays::DrawEqualStrength(Canvas& canvas, const QStringList& memo, const TViewZoom& zoom)
{
    const TStrengthPicture* picture = CurrentPicture(memo, zoom, SeenColumns(canvas));
    if (picture) DrawEqualStrengthProfile(canvas, *picture);
}

void TStrengthOverlays::DrawRecommended(Canvas& canvas, const QStringList& memo, const TViewZoom& zoom)
{
    const TStrengthPicture* picture = CurrentPicture(memo, zoom, SeenColumns(canvas));
    if (picture) DrawRecommendedMarks(canvas, *picture);
}

const TStrengthPicture* TStrengthOverlays::CurrentPicture(const QStringList& memo, const TViewZoom& zoom, TColumnSpan seen)
{
    TStrengthInputs inputs = inputs_();
    inputs.Bore = BoreLines(memo);
    // The inputs are kept before d(x) is worked out: if that fails, the failure is shown by this
    // pass alone, and later passes over the same analysis draw nothing instead of failing again.
    if (drawnFrom_ != inputs) {
        profile_.reset();
        picture_.reset();
        drawnFrom_ = std::move(inputs);
        if (StrengthRuleProblem(*drawnFrom_).isEmpty()) profile_ = ComputeStrengthProfile(*drawnFrom_);
    }
    if (profile_ && (!picture_ || !(zoom == pictureZoom_) || seen.Left != pictureSeen_.Left ||
                     seen.Right != pictureSeen_.Right)) {
        picture_.reset();
        // Taken out while its pixels are worked out: one that cannot be drawn is not tried again.
        std::optional<TStrengthProfile> profile = std::exchange(profile_, std::nullopt);
        picture_ = StrengthPictureOf(*profile, drawnFrom_->ShaftLength, zoom, seen);
        profile_ = std::move(profile);
        pictureZoom_ = zoom;
        pictureSeen_ = seen;
    }
    return picture_ ? &*picture_ : nullptr;
}

// The state owns the hooks, so it outlives every pass that reads its zoom through them.
void InstallStrengthOverlays(TEditorState& state, TStrengthInputsProvider inputs)
{
    auto overlays = std::make_shared<TStrengthOverlays>(std::move(inputs));
    state.Overlays.Diameters = [overlays, &state](Canvas& canvas, const QStringList& memo) {
        overlays->DrawDiameters(canvas, memo, state.Zoom);
    };
    state.Overlays.EqualStrength = [overlays, &state](Canvas& canvas, const QStringList& memo) {
        overlays->DrawEqualStrength(canvas, memo, state.Zoom);
    };
    state.Overlays.Recommended = [overlays, &state](Canvas& canvas, const QStringList& memo) {
        overlays->DrawRecommended(canvas, memo, state.Zoom);
    };
}
