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

// A cone as its axial length by its angle to the axis, as a chamfer is dimensioned.
QString ConeForm(const TShaftPiece& piece)
{
    const long double length = piece.X2 - piece.X1, rise = std::fabs(piece.R2 - piece.R1);
    const long double degrees = std::atan2(rise, length) * 180 / std::numbers::pi_v<long double>;
    return "cone " + FloatToStr(std::round(length * 100) / 100) + " x " + FloatToStr(std::round(degrees * 10) / 10) + " deg";
}

// A concave arc (its centre outside the shaft) is a fillet; a convex one rounds an edge.
QString Form(const TShaftPiece& piece)
{
    if (piece.Curved())
        return (piece.Drawn.Side < 0 ? "fillet R " : "edge round R ") + FloatToStr(std::round(piece.Drawn.Radius * 100) / 100);
    return piece.Uniform() ? QString("cylinder") : ConeForm(piece);
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
            steps.push_back({piece.X1, piece.X2, 2 * piece.R1, 2 * piece.R2, Form(piece)});
        }
        previous = &piece;
    }
    return steps;
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
