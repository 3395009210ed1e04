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

// A concave arc (its centre outside the shaft) is a fillet; a convex one rounds an edge. The
// outline alone decides: a cylinder with a tapered bore is still turned as a cylinder.
TStepKind Kind(const TShaftPiece& piece)
{
    if (piece.Curved()) return piece.Drawn.Side < 0 ? TStepKind::Fillet : TStepKind::EdgeRound;
    return piece.R1 == piece.R2 ? TStepKind::Cylinder : TStepKind::Cone;
}

// Whether the line from (b1, b2) over [bFrom, bTo] goes on straight from the one from (a1, a2)
// over [aFrom, aTo].
bool GoesOnStraight(long double aFrom, long double aTo, long double a1, long double a2, long double bFrom, long double bTo,
                    long double b1, long double b2)
{
    return aTo == bFrom && a2 == b1 && (a2 - a1) * (bTo - bFrom) == (b2 - b1) * (aTo - aFrom);
}

// The chords of one arc are one step while the bore runs on through them as one line.
bool SameBoreLine(const TShaftPiece& a, const TShaftPiece& b)
{
    return GoesOnStraight(a.X1, a.X2, a.Ri1, a.Ri2, b.X1, b.X2, b.Ri1, b.Ri2);
}

QString DiameterCell(long double from, long double to)
{
    return from == to ? Millimetres(from) : Millimetres(from) + " - " + Millimetres(to);
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
        if (previous && previous->X2 == piece.X1 && SameCircle(previous->Drawn, piece.Drawn) && SameBoreLine(*previous, piece)) {
            steps.back().To = piece.X2;
            steps.back().DiameterTo = 2 * piece.R2;
            steps.back().BoreTo = 2 * piece.Ri2;
        } else {
            steps.push_back({piece.X1, piece.X2, 2 * piece.R1, 2 * piece.R2, {}, Kind(piece), piece.Drawn.Radius,
                             2 * piece.Ri1, 2 * piece.Ri2});
        }
        previous = &piece;
    }
    for (TProfileStep& step : steps) step.Form = Form(step);
    return steps;
}

std::vector<TBoreRun> BoreRuns(const std::vector<TProfileStep>& steps)
{
    std::vector<TBoreRun> runs;
    for (const TProfileStep& step : steps) {
        if (!step.Hollow()) continue;
        TBoreRun* last = runs.empty() ? nullptr : &runs.back();
        if (last && GoesOnStraight(last->From, last->To, last->DiameterFrom, last->DiameterTo, step.From, step.To,
                                   step.BoreFrom, step.BoreTo))
            last->To = step.To, last->DiameterTo = step.BoreTo;
        else
            runs.push_back({step.From, step.To, step.BoreFrom, step.BoreTo});
    }
    return runs;
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

bool AnyHollow(const std::vector<TProfileStep>& steps)
{
    return std::any_of(steps.begin(), steps.end(), [](const TProfileStep& step) { return step.Hollow(); });
}

QStringList ProfileStepHeadings(bool hollow)
{
    if (!hollow) return {"from [mm]", "to [mm]", "Ø [mm]", "form"};
    return {"from [mm]", "to [mm]", "Ø [mm]", "Bore [mm]", "form"};
}

QStringList ProfileStepCells(const TProfileStep& step, bool hollow)
{
    QStringList cells{Millimetres(step.From), Millimetres(step.To), DiameterCell(step.DiameterFrom, step.DiameterTo), step.Form};
    if (hollow) cells.insert(3, step.Hollow() ? DiameterCell(step.BoreFrom, step.BoreTo) : QString());
    return cells;
}
