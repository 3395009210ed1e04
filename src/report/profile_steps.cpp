#include "report/profile_steps.h"

#include "common/number_text.h"
#include "profile/verification.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

QString Millimetres(long double value) { return FormatFloat("0.00", value); }

bool SameCircle(const TContourSegment& a, const TContourSegment& b)
{
    return a.Side != 0 && a.Side == b.Side && a.CX == b.CX && a.CY == b.CY && a.Radius == b.Radius;
}

// A concave arc (its centre outside the shaft) is a fillet; a convex one rounds an edge.
TStepKind Kind(const TShaftPiece& piece)
{
    if (piece.Curved()) return piece.Drawn.Side < 0 ? TStepKind::Fillet : TStepKind::EdgeRound;
    return piece.Uniform() ? TStepKind::Cylinder : TStepKind::Cone;
}

// A cone as its axial length by its angle to the axis, as a chamfer is dimensioned.
QString Form(const TProfileStep& step)
{
    const QString radius = FloatToStr(std::round(step.Radius * 100) / 100);
    switch (step.Kind) {
    case TStepKind::Fillet: return "fillet R " + radius;
    case TStepKind::EdgeRound: return "edge round R " + radius;
    case TStepKind::Cylinder: return "cylinder";
    case TStepKind::Cone: break;
    }
    return "cone " + FloatToStr(std::round((step.To - step.From) * 100) / 100) + " x " + FloatToStr(ConeAngle(step)) + " deg";
}

} // namespace

std::vector<TProfileStep> ProfileSteps(const TShaftGeometry& shaft)
{
    std::vector<TProfileStep> steps;
    const TShaftPiece* previous = nullptr;
    for (const TShaftPiece& piece : shaft.Pieces) {
        if (piece.X2 <= piece.X1) continue;
        if (previous && previous->X2 == piece.X1 && SameCircle(previous->Drawn, piece.Drawn)) {
            steps.back().To = piece.X2;
            steps.back().DiameterTo = 2 * piece.R2;
        } else {
            steps.push_back({piece.X1, piece.X2, 2 * piece.R1, 2 * piece.R2, {}, Kind(piece), piece.Drawn.Radius});
        }
        previous = &piece;
    }
    for (TProfileStep& step : steps) step.Form = Form(step);
    return steps;
}

long double ConeAngle(const TProfileStep& step)
{
    const long double rise = std::fabs(step.DiameterTo - step.DiameterFrom) / 2;
    return std::round(std::atan2(rise, step.To - step.From) * 1800 / std::numbers::pi_v<long double>) / 10;
}

std::vector<TProfileStep> DrawnSteps(const QStringList& profile, uint8_t arcSteps)
{
    const TContour contour = DrawnContour(profile, arcSteps);
    if (contour.empty()) return {};
    long double from = contour.front().X1, to = from;
    for (const TContourSegment& segment : contour)
        from = std::min({from, segment.X1, segment.X2}), to = std::max({to, segment.X1, segment.X2});
    return ProfileSteps(ShaftGeometry(contour, from, to, "the drawing's ends"));
}

QStringList ProfileStepHeadings() { return {"from [mm]", "to [mm]", "Ø [mm]", "form"}; }

QStringList ProfileStepCells(const TProfileStep& step)
{
    const QString diameter = step.DiameterFrom == step.DiameterTo
                                 ? Millimetres(step.DiameterFrom)
                                 : Millimetres(step.DiameterFrom) + " - " + Millimetres(step.DiameterTo);
    return {Millimetres(step.From), Millimetres(step.To), diameter, step.Form};
}
