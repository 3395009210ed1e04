#include "report/drawing_layout.h"

#include "common/number_text.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kArrowLength = 3.2, kArrowHalfWidth = 0.9; // points
constexpr double kGap = 1.2;          // between the outline and an extension line
constexpr double kSmallFeature = 2.5;   // points on paper: a smaller radius or chamfer is numbered
constexpr int kLevels = 5;            // rows of labels above the outline, at most
constexpr double kBelowOutline = 16;  // room for the bearings between the outline and the chain
constexpr double kLabelGap = 4;       // points between two labels in a row above the outline
constexpr double kLoadArrow = 9;      // a load's arrow reaches down to the outline from this far above the widest step

struct TJob {
    const std::vector<TProfileStep>& Steps;
    double PointsPerMm;
    const QFontMetricsF& Metrics;
    long double Start = 0; // mm
    double Widest = 0;     // points: the largest radius on paper
    TTextPlacement Placement;
    TDrawingLayout Out;
    std::vector<TBoreRun> Bores;
    std::vector<double> InsideLines; // x of the diameter lines inside the outline: a bore's stands clear of them

    double X(long double mm) const { return double((mm - Start) * PointsPerMm); }
    double Radius(long double diameter) const { return double(diameter / 2 * PointsPerMm); }
    double Height() const { return Metrics.height(); }
    QSizeF Size(const QString& text) const { return {Metrics.horizontalAdvance(text) + 1, Metrics.height()}; }
    double AboveRow(int level) const { return -Widest - kLoadArrow - 1 - level * (Height() + 1); }
    double ChainRow() const { return Widest + kBelowOutline + Height(); }
    double OverallRow() const { return ChainRow() + 3.5 * Height(); }
};

void AddArrow(TDrawingLayout& out, QPointF tip, QPointF towards)
{
    const double length = std::hypot(towards.x(), towards.y());
    const QPointF along = towards / length, across(-along.y(), along.x());
    out.Symbols.push_back(QPolygonF({tip, tip - kArrowLength * along + kArrowHalfWidth * across,
                                     tip - kArrowLength * along - kArrowHalfWidth * across}));
}

// Arrows inside their line where it is long enough, else outside pointing in.
void AddDimensionLine(TDrawingLayout& out, QPointF a, QPointF b)
{
    const QPointF along = b - a;
    const double length = std::hypot(along.x(), along.y());
    if (!(length > 0)) return;
    const QPointF unit = along / length;
    out.Lines.push_back({a, b});
    const bool inside = length >= 2 * kArrowLength + 1;
    AddArrow(out, a, inside ? -unit : unit);
    AddArrow(out, b, inside ? unit : -unit);
    if (!inside) {
        out.Lines.push_back({a, a - 2 * kArrowLength * unit});
        out.Lines.push_back({b, b + 2 * kArrowLength * unit});
    }
}

void AddText(TJob& job, const QString& text, const QRectF& box, bool upright = false, bool circled = false)
{
    job.Out.Texts.push_back({text, box, upright, circled});
}

// The larger diameter where steps meet at x: an extension line starts at the outline's edge.
long double DiameterAt(const std::vector<TProfileStep>& steps, long double x)
{
    long double diameter = 0;
    for (const TProfileStep& step : steps) {
        if (step.From == x) diameter = std::max(diameter, step.DiameterFrom);
        if (step.To == x) diameter = std::max(diameter, step.DiameterTo);
    }
    return diameter;
}

bool FaceBetween(const std::vector<TProfileStep>& steps, size_t left)
{
    return steps[left].DiameterTo != steps[left + 1].DiameterFrom;
}

// Where only the bore steps, under a cylinder running on: its extension line starts at the bore.
std::optional<long double> BoreStepAt(const std::vector<TProfileStep>& steps, long double x)
{
    for (size_t i = 0; i + 1 < steps.size(); ++i)
        if (steps[i].To == x && steps[i].Kind == TStepKind::Cylinder && steps[i + 1].Kind == TStepKind::Cylinder &&
            !FaceBetween(steps, i) && (steps[i].Hollow() || steps[i + 1].Hollow()))
            return std::max(steps[i].BoreTo, steps[i + 1].BoreFrom);
    return std::nullopt;
}

// A cone at the shaft's end or at a face breaks an edge; a fillet or a round rounds one.
bool IsFeature(const std::vector<TProfileStep>& steps, size_t i)
{
    const TProfileStep& step = steps[i];
    if (step.Kind == TStepKind::Fillet || step.Kind == TStepKind::EdgeRound) return true;
    if (step.Kind != TStepKind::Cone) return false;
    return i == 0 || i + 1 == steps.size() || FaceBetween(steps, i - 1) || FaceBetween(steps, i);
}

// The shaft's ends, its faces, and where two plain steps meet: fillets and chamfers are given
// by their own labels, not in the chain.
std::vector<long double> ChainStations(const std::vector<TProfileStep>& steps)
{
    std::vector<long double> stations{steps.front().From};
    for (size_t i = 0; i + 1 < steps.size(); ++i)
        if (FaceBetween(steps, i) || !(IsFeature(steps, i) || IsFeature(steps, i + 1))) stations.push_back(steps[i].To);
    stations.push_back(steps.back().To);
    return stations;
}

// Between the extension lines above the line; else beyond either end, then a row lower down.
std::vector<QRectF> ChainCandidates(const TJob& job, double a, double b, double row, QSizeF size)
{
    std::vector<QRectF> candidates;
    if (size.width() + 2 <= b - a) candidates.push_back(BoxAt({(a + b) / 2, row - 0.5}, size, 0.5, 1));
    for (int level = 0; level < 3; ++level) {
        const double top = row - 0.5 + level * (job.Height() + 1);
        candidates.push_back(BoxAt({b + kArrowLength + 1, top}, size, 0, level == 0 ? 1 : 0));
        candidates.push_back(BoxAt({a - kArrowLength - 1, top}, size, 1, level == 0 ? 1 : 0));
    }
    return candidates;
}

void AddLeader(TDrawingLayout& out, QPointF from, const QRectF& box)
{
    const QPointF corner(std::clamp(from.x(), box.left(), box.right()), from.y() < box.top() ? box.top() : box.bottom());
    if (!box.contains(from)) out.Lines.push_back({from, corner});
}

void AddLinearDimension(TJob& job, long double from, long double to, double row)
{
    const double a = job.X(from), b = job.X(to);
    AddDimensionLine(job.Out, {a, row}, {b, row});
    const QString text = DimensionText(to - from);
    const std::optional<QRectF> box = job.Placement.Take(ChainCandidates(job, a, b, row, job.Size(text)));
    if (!box) {
        ++job.Out.Omitted;
        return;
    }
    AddText(job, text, *box);
    if (box->right() < a || box->left() > b || box->top() > row) AddLeader(job.Out, {(a + b) / 2, row}, *box);
}

void AddChain(TJob& job)
{
    const std::vector<long double> stations = ChainStations(job.Steps);
    for (long double x : stations) {
        const bool end = x == stations.front() || x == stations.back();
        const double bottom = (end ? job.OverallRow() : job.ChainRow()) + 2;
        const long double edge = BoreStepAt(job.Steps, x).value_or(DiameterAt(job.Steps, x));
        job.Out.Lines.push_back({QPointF(job.X(x), job.Radius(edge) + kGap), QPointF(job.X(x), bottom)});
    }
    AddLinearDimension(job, stations.front(), stations.back(), job.OverallRow());
    for (size_t i = 0; i + 1 < stations.size(); ++i) AddLinearDimension(job, stations[i], stations[i + 1], job.ChainRow());
}

// Boxes above the outline over `x`, row by row, centred, then leaning right and left.
std::vector<QRectF> AboveCandidates(const TJob& job, double x, QSizeF size)
{
    std::vector<QRectF> candidates;
    for (int level = 0; level < kLevels; ++level)
        for (double across : {0.5, 0.0, 1.0}) candidates.push_back(BoxAt({x, job.AboveRow(level)}, size, across, 1));
    return candidates;
}

// Placed above the outline on a leader from `anchor`; false where there is no room.
bool AddAboveLabel(TJob& job, const QString& text, QPointF anchor, bool circled = false)
{
    // Labels side by side in a row keep a gap that tells one from the next.
    const QSizeF size = circled ? QSizeF(job.Height() + 1, job.Height() + 1) : job.Size(text) + QSizeF(kLabelGap, 0);
    const std::optional<QRectF> box = job.Placement.Take(AboveCandidates(job, anchor.x(), size));
    if (!box) return false;
    AddText(job, text, *box, false, circled);
    AddLeader(job.Out, anchor, *box);
    return true;
}

// "Ø40", or "Ø40 / 50" from the left end to the right of a taper.
QString DiameterText(long double from, long double to)
{
    const QString text = QString::fromUtf8("\u00D8") + DimensionText(from);
    return from == to ? text : text + " / " + DimensionText(to);
}

QString DiameterText(const TProfileStep& step) { return DiameterText(step.DiameterFrom, step.DiameterTo); }

// Upright along a dimension line across the diameter 2r at x, the text to the line's left and
// its middle at `centre` (points down from the axis).
bool AddUpright(TJob& job, const QString& text, double x, double r, double centre = 0)
{
    const QSizeF size = job.Size(text);
    const QRectF upright(x - size.height() - 0.3, centre - size.width() / 2, size.height(), size.width());
    if (!job.Placement.Take({upright})) return false;
    AddText(job, text, upright, true);
    AddDimensionLine(job.Out, {x, -r}, {x, r});
    job.InsideLines.push_back(x);
    return true;
}

bool Spans(const TJob& job, const QString& text, double r) { return job.Size(text).width() + 2 * kArrowLength + 2 <= 2 * r; }

// The bore's radius on paper at x, 0 where the shaft is solid.
double BoreRadiusAt(const TJob& job, long double x)
{
    long double diameter = 0;
    for (const TBoreRun& run : job.Bores)
        if (run.From <= x && x <= run.To)
            diameter = std::max(diameter, run.DiameterFrom + (x - run.From) * (run.DiameterTo - run.DiameterFrom) / (run.To - run.From));
    return job.Radius(diameter);
}

// Across the axis, or in the wall above the bore where the text would cross the bore's edges.
double UprightCentre(const TJob& job, const QString& text, long double x, double r)
{
    const double bore = BoreRadiusAt(job, x), width = job.Size(text).width();
    const bool crossesBore = bore > 0 && width / 2 + 0.5 > bore;
    return crossesBore && width + 2 * kArrowLength + 1 <= r - bore ? -(r + bore) / 2 : 0;
}

// Written upright along its line inside the outline, where the step is long and wide enough.
bool AddDiameterInside(TJob& job, const TProfileStep& step)
{
    const long double middle = (step.From + step.To) / 2;
    const double x = job.X(middle), r = job.Radius(step.DiameterFrom);
    const QString text = DiameterText(step);
    const bool room = job.X(step.To) - x >= job.Height() + 1.5 && Spans(job, text, r);
    return room && AddUpright(job, text, x, r, UprightCentre(job, text, middle, r));
}

// Inside the bore along its run, beside the outline's diameters rather than on their lines.
bool AddBoreDiameterInside(TJob& job, const TBoreRun& run)
{
    const QString text = DiameterText(run.DiameterFrom, run.DiameterTo);
    const double r = job.Radius(run.DiameterFrom), a = job.X(run.From), b = job.X(run.To), h = job.Height();
    if (run.DiameterFrom != run.DiameterTo || !Spans(job, text, r)) return false;
    for (double along : {0.5, 0.35, 0.65, 0.2, 0.8}) {
        const double x = a + along * (b - a);
        const bool clear = std::none_of(job.InsideLines.begin(), job.InsideLines.end(),
                                        [&](double line) { return std::fabs(line - x) < h + 2; });
        if (clear && x - a >= h + 1.5 && b - x >= h + 1.5 && AddUpright(job, text, x, r)) return true;
    }
    return false;
}

QString FeatureText(const TProfileStep& step)
{
    if (step.Kind == TStepKind::Cone)
        return DimensionText(step.To - step.From) + " x " + FloatToStr(ConeAngle(step)) + QString::fromUtf8("\u00B0");
    return "R" + DimensionText(step.Radius);
}

// A radius or chamfer too small to point at, or without room for its label, is numbered.
void AddFeature(TJob& job, const TProfileStep& step)
{
    const long double size = step.Kind == TStepKind::Cone ? step.To - step.From : step.Radius;
    const QPointF anchor(job.X((step.From + step.To) / 2), -job.Radius((step.DiameterFrom + step.DiameterTo) / 2));
    if (size * job.PointsPerMm >= kSmallFeature && AddAboveLabel(job, FeatureText(step), anchor)) return;
    const QString number = QString::number(job.Out.Listed.size() + 1);
    job.Out.Listed.push_back({number, step.Form, "x = " + DimensionText(step.From) + " ... " + DimensionText(step.To) + " mm"});
    AddAboveLabel(job, number, anchor, true);
}

// Above the outline on a leader from the middle of the edge; one diameter gets its line across.
void AddDiameterAbove(TJob& job, long double from, long double to, long double diameterFrom, long double diameterTo)
{
    const double x = job.X((from + to) / 2), r = job.Radius((diameterFrom + diameterTo) / 2);
    if (!AddAboveLabel(job, DiameterText(diameterFrom, diameterTo), {x, -r})) {
        ++job.Out.Omitted;
        return;
    }
    if (diameterFrom == diameterTo) AddDimensionLine(job.Out, {x, -r}, {x, r});
}

bool IsTaper(const std::vector<TProfileStep>& steps, size_t i) { return steps[i].Kind == TStepKind::Cone && !IsFeature(steps, i); }

// The steps whose diameters are written: a cylinder cut only where its bore changes is one.
std::vector<TProfileStep> DiameterSteps(const std::vector<TProfileStep>& steps)
{
    std::vector<TProfileStep> written;
    for (size_t i = 0; i < steps.size(); ++i) {
        const bool cylinder = steps[i].Kind == TStepKind::Cylinder;
        if (!cylinder && !IsTaper(steps, i)) continue;
        const TProfileStep* last = written.empty() ? nullptr : &written.back();
        if (cylinder && last && last->Kind == TStepKind::Cylinder && last->To == steps[i].From && last->DiameterTo == steps[i].DiameterFrom)
            written.back().To = steps[i].To;
        else written.push_back(steps[i]);
    }
    return written;
}

// Inside the outline first, then the radii and chamfers, then the diameters that went outside.
void AddDiameters(TJob& job)
{
    const std::vector<TProfileStep> written = DiameterSteps(job.Steps);
    std::vector<const TProfileStep*> outside;
    for (const TProfileStep& step : written)
        if (step.Kind == TStepKind::Cone || !AddDiameterInside(job, step)) outside.push_back(&step);
    std::vector<const TBoreRun*> boresOutside;
    for (const TBoreRun& run : job.Bores)
        if (!AddBoreDiameterInside(job, run)) boresOutside.push_back(&run);
    for (size_t i = 0; i < job.Steps.size(); ++i)
        if (IsFeature(job.Steps, i)) AddFeature(job, job.Steps[i]);
    for (const TProfileStep* step : outside) AddDiameterAbove(job, step->From, step->To, step->DiameterFrom, step->DiameterTo);
    for (const TBoreRun* run : boresOutside) AddDiameterAbove(job, run->From, run->To, run->DiameterFrom, run->DiameterTo);
}

// A face of the bore at x between diameters d1 and d2; across the axis where one side is solid.
void AddBoreFace(TJob& job, long double x, long double d1, long double d2)
{
    const double at = job.X(x), low = job.Radius(std::min(d1, d2)), high = job.Radius(std::max(d1, d2));
    if (d1 == d2 || x == job.Steps.front().From || x == job.Steps.back().To) return;
    if (low == 0) {
        job.Out.Hidden.push_back({QPointF(at, -high), QPointF(at, high)});
        return;
    }
    job.Out.Hidden.push_back({QPointF(at, -high), QPointF(at, -low)});
    job.Out.Hidden.push_back({QPointF(at, low), QPointF(at, high)});
}

// The bore's edges on both sides of the axis, and its faces where its diameter changes or it ends.
void AddBoreLines(TJob& job)
{
    const std::vector<TBoreRun>& runs = job.Bores;
    for (size_t i = 0; i < runs.size(); ++i) {
        const TBoreRun& run = runs[i];
        for (double side : {-1.0, 1.0})
            job.Out.Hidden.push_back({QPointF(job.X(run.From), side * job.Radius(run.DiameterFrom)),
                                      QPointF(job.X(run.To), side * job.Radius(run.DiameterTo))});
        const bool joined = i > 0 && runs[i - 1].To == run.From;
        AddBoreFace(job, run.From, joined ? runs[i - 1].DiameterTo : 0, run.DiameterFrom);
        if (i + 1 == runs.size() || runs[i + 1].From != run.To) AddBoreFace(job, run.To, run.DiameterTo, 0);
    }
}

void AddMark(TJob& job, const TDrawingMark& mark)
{
    const double x = job.X(mark.Position);
    long double diameter = 0;
    for (const TProfileStep& step : job.Steps)
        if (step.From <= mark.Position && mark.Position <= step.To) diameter = std::max({diameter, step.DiameterFrom, step.DiameterTo});
    const double r = job.Radius(diameter);
    const QString text = mark.Name + " x=" + DimensionText(mark.Position);
    const QSizeF size = job.Size(text);
    if (mark.Bearing) {
        job.Out.Symbols.push_back(QPolygonF({QPointF(x, r + 0.5), QPointF(x - 3, r + 5.5), QPointF(x + 3, r + 5.5)}));
        const QPointF under(x, r + 6);
        if (const auto box = job.Placement.Take({BoxAt(under, size, 0.5, 0), BoxAt(under, size, 0, 0), BoxAt(under, size, 1, 0)}))
            AddText(job, text, *box);
        return;
    }
    const QPointF tail(x, -job.Widest - kLoadArrow);
    job.Out.Lines.push_back({tail, QPointF(x, -r - 0.5)});
    AddArrow(job.Out, {x, -r - 0.5}, {0, 1});
    AddAboveLabel(job, text, tail);
}

} // namespace

namespace {

QRectF Bounds(const TJob& job)
{
    QRectF bounds(0, -job.Widest, job.X(job.Steps.back().To), 2 * job.Widest);
    for (const QLineF& line : job.Out.Hidden) bounds |= QRectF(line.p1(), line.p2()).normalized();
    for (const QLineF& line : job.Out.Lines) bounds |= QRectF(line.p1(), line.p2()).normalized().adjusted(-0.5, -0.5, 0.5, 0.5);
    for (const QPolygonF& symbol : job.Out.Symbols) bounds |= symbol.boundingRect();
    for (const TPlacedText& text : job.Out.Texts) bounds |= text.Box;
    return bounds;
}

} // namespace

TDrawingLayout LayOutDrawing(const std::vector<TProfileStep>& steps, const std::vector<TDrawingMark>& marks,
                             double pointsPerMm, const QFontMetricsF& metrics)
{
    if (steps.empty()) return {};
    TJob job{steps, pointsPerMm, metrics, steps.front().From};
    for (const TProfileStep& step : steps) job.Widest = std::max({job.Widest, job.Radius(step.DiameterFrom), job.Radius(step.DiameterTo)});
    job.Bores = BoreRuns(steps);
    AddBoreLines(job);
    AddDiameters(job);
    AddChain(job);
    for (const TDrawingMark& mark : marks) AddMark(job, mark);
    job.Out.Bounds = Bounds(job);
    return std::move(job.Out);
}

QString DimensionText(long double millimetres)
{
    const long double rounded = std::nearbyint(millimetres * 100) / 100;
    return FloatToStr(rounded == 0 ? 0 : rounded);
}
