#include "profile/strength_profile.h"

#include "common/errors.h"
#include "common/number_text.h"
#include "diagrams/section_moment.h"
#include "dimensioning/combined_stress.h"
#include "profile/canvas_mapping.h"
#include "profile/contour_index.h"
#include "profile/round_section.h"

#include <algorithm>
#include <cmath>

namespace {

// Beyond 100 m the millimetre stations would cost seconds and gigabytes, while the drawing has
// 500 columns for the whole shaft: the step grows so that the count stays within this.
constexpr long long kMostStations = 100000;

bool SameMoments(const Tav& a, const Tav& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const TMomentPoint& p, const TMomentPoint& q) {
        return p.Left == q.Left && p.Right == q.Right && p.Position == q.Position;
    });
}

bool SamePoints(const TPuncte& a, const TPuncte& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const TShaftPoint& p, const TShaftPoint& q) {
        return p.Bearing == q.Bearing && p.Position == q.Position;
    });
}

TCombinedStress RuleOf(const TStrengthInputs& inputs)
{
    const TShaftTorque torque{inputs.TwistingMoment, inputs.TwistSpan, inputs.ElementDrive};
    return PrepareCombinedStress(inputs.TorsionCoeff, torque, inputs.AllowBendStress, inputs.ThirdTheory);
}

long double DiameterAt(const TStrengthInputs& inputs, const TCombinedStress& rule, long double x)
{
    const long double solid = DiameterUnder(rule, SectionMoment(inputs.HorzDiagram, inputs.VertDiagram, inputs.CombinePlanes, x), x);
    return inputs.Bore.empty() ? solid : HollowDiameter(solid, BoreDiameterAt(inputs.Bore, x));
}

// Points may be unsorted (the horizontal plane alone leaves them in entry order), so the ends of
// the curve are the smallest and the largest position, not the first and the last entry.
void AddStations(const TStrengthInputs& inputs, const TCombinedStress& rule, TStrengthProfile& profile)
{
    const auto [lowest, highest] = std::minmax_element(
        inputs.Points.begin(), inputs.Points.end(),
        [](const TShaftPoint& a, const TShaftPoint& b) { return a.Position < b.Position; });
    const long long first = Round(lowest->Position);
    const long long last = Round(highest->Position);
    const long double span = static_cast<long double>(last) - first;
    const long long step = std::max(1LL, static_cast<long long>(std::ceil(span / kMostStations)));
    profile.Stations.reserve(size_t(span / step) + 2);
    for (long long s = first; s < last; s += step)
        profile.Stations.push_back({static_cast<long double>(s), DiameterAt(inputs, rule, s)});
    profile.Stations.push_back({static_cast<long double>(last), DiameterAt(inputs, rule, last)});
}

QPoint RadiusPixel(const TStation& station, long double shaftLength, const TViewZoom& zoom)
{
    return QPoint(px(station.Position, shaftLength, zoom), py(station.Diameter / 2, shaftLength, zoom));
}

} // namespace

bool operator==(const TStrengthInputs& a, const TStrengthInputs& b)
{
    return a.TwistingMoment == b.TwistingMoment && a.ThirdTheory == b.ThirdTheory &&
           a.CombinePlanes == b.CombinePlanes && a.TorsionCoeff == b.TorsionCoeff && a.TwistSpan == b.TwistSpan &&
           a.ElementDrive == b.ElementDrive &&
           a.AllowBendStress == b.AllowBendStress && a.ShaftLength == b.ShaftLength &&
           SameMoments(a.HorzDiagram, b.HorzDiagram) && SameMoments(a.VertDiagram, b.VertDiagram) &&
           SamePoints(a.Points, b.Points) && a.Bore == b.Bore;
}

TStrengthInputs StrengthInputsOf(const TAnalysisState& analysis, const TData& data)
{
    TStrengthInputs inputs;
    inputs.TwistingMoment = data.MT();
    inputs.ThirdTheory = data.T3();
    inputs.CombinePlanes = data.MM();
    inputs.TorsionCoeff = analysis.TorsionCoeff;
    inputs.TwistSpan = analysis.TwistSpan;
    inputs.ElementDrive = analysis.ElementDrive;
    inputs.AllowBendStress = analysis.AllowBendStress;
    inputs.HorzDiagram = analysis.HorzDiagram;
    inputs.VertDiagram = analysis.VertDiagram;
    inputs.Points = analysis.Points;
    inputs.ShaftLength = analysis.ShaftLength;
    return inputs;
}

QString StrengthRuleProblem(const TStrengthInputs& inputs)
{
    try {
        RuleOf(inputs);
    } catch (const KorvelError& error) {
        return error.Text();
    }
    return QString();
}

TStrengthProfile ComputeStrengthProfile(const TStrengthInputs& inputs)
{
    const TCombinedStress rule = RuleOf(inputs);
    TStrengthProfile profile;
    if (inputs.Points.empty()) return profile;
    AddStations(inputs, rule, profile);
    profile.AtPoints.reserve(inputs.Points.size());
    profile.AtPointLabels.reserve(inputs.Points.size());
    for (const TShaftPoint& point : inputs.Points) {
        profile.AtPoints.push_back({point.Position, DiameterAt(inputs, rule, point.Position)});
        profile.AtPointLabels.push_back(FormatFloat("0.00", profile.AtPoints.back().Diameter));
    }
    return profile;
}

TStrengthPicture StrengthPictureOf(const TStrengthProfile& profile, long double shaftLength, const TViewZoom& zoom,
                                   TColumnSpan seen)
{
    const auto column = [&](const TStation& station) { return px(station.Position, shaftLength, zoom); };
    auto first = std::partition_point(profile.Stations.begin(), profile.Stations.end(),
                                      [&](const TStation& station) { return column(station) < seen.Left; });
    auto last = std::partition_point(first, profile.Stations.end(),
                                     [&](const TStation& station) { return column(station) <= seen.Right; });
    if (first != profile.Stations.begin()) --first;
    if (last != profile.Stations.end()) ++last;
    TStrengthPicture picture;
    for (auto station = first; station != last; ++station) {
        const QPoint pixel = RadiusPixel(*station, shaftLength, zoom);
        if (picture.Curve.empty() || picture.Curve.back() != pixel) picture.Curve.push_back(pixel);
    }
    picture.Marks.reserve(profile.AtPoints.size());
    for (size_t n = 0; n < profile.AtPoints.size(); ++n)
        picture.Marks.push_back({RadiusPixel(profile.AtPoints[n], shaftLength, zoom), profile.AtPointLabels[n]});
    return picture;
}
