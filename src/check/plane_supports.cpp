#include "check/plane_supports.h"

#include "check/shaft_geometry.h"
#include "common/errors.h"
#include "common/number_text.h"
#include "profile/round_section.h"
#include "profile/verification.h"

#include <algorithm>
#include <memory>
#include <numbers>

namespace {


struct TBearingSpan {
    long double From = 0, To = 0;
};

TBearingSpan BearingSpan(const TAnalysisState& state)
{
    TBearingSpan span{state.Reactions.front().Position, state.Reactions.front().Position};
    for (const Tvector& bearing : state.Reactions)
        span.From = std::min(span.From, bearing.Position), span.To = std::max(span.To, bearing.Position);
    return span;
}

// The drawing read as a beam over the bearings, or none where it does not span them or does not
// read.
std::shared_ptr<const TShaftGeometry> DrawnShaft(const TSectionSources& sources, const TBearingSpan& span)
{
    if (sources.Profile.isEmpty()) return nullptr;
    try {
        return std::make_shared<const TShaftGeometry>(ShaftGeometry(DrawnContour(sources.Profile, sources.ArcSteps), span.From, span.To));
    } catch (const KorvelError&) {
        return nullptr;
    }
}

TBeamSection DrawnSection(std::shared_ptr<const TShaftGeometry> shaft, long double modulus)
{
    TBeamSection section;
    for (const TShaftPiece& piece : shaft->Pieces) section.Joints.push_back(piece.X2);
    // The solver reads the section along the shaft: the piece of the last reading is tried first.
    section.Rigidity = [shaft, modulus, last = size_t(0)](long double x) mutable {
        const std::vector<TShaftPiece>& pieces = shaft->Pieces;
        if (!(x >= pieces[last].X1 && x <= pieces[last].X2)) last = size_t(&shaft->PieceAt(x) - pieces.data());
        return modulus * SecondMoment(pieces[last].RadiusAt(x), pieces[last].BoreAt(x)); // E I, N*mm^2
    };
    return section;
}

// What the reactions depend on besides the section: the springs, and E once there is a spring.
QString SupportKey(const TPlaneSupports& supports, size_t bearings, long double modulus)
{
    QString key;
    bool springs = false;
    for (size_t i = 0; i < bearings; ++i) {
        key += " k" + FloatToStr(supports.Stiffness[i]);
        springs = springs || supports.Stiffness[i] > 0;
    }
    return springs ? key + " E" + FloatToStr(modulus) : key;
}

} // namespace

TPlaneSupports PlaneSupports(const TAnalysisState& state, const TSectionSources& sources, const TCheckInputs& inputs)
{
    TPlaneSupports supports;
    const size_t bearings = std::min(state.Reactions.size(), supports.Stiffness.size());
    for (size_t i = 0; i < bearings; ++i) supports.Stiffness[i] = inputs.Fatigue.Bearings[i].Stiffness;
    if (bearings < 3) return supports;
    const QString key = SupportKey(supports, bearings, inputs.Modulus);
    if (auto shaft = DrawnShaft(sources, BearingSpan(state))) {
        supports.Section = DrawnSection(std::move(shaft), inputs.Modulus);
        supports.Made = {"drawn section", "drawn " + QString::number(sources.ArcSteps) + " " + sources.Profile.join('|') + key};
    } else if (sources.PreSized > 0) {
        const long double rigidity = inputs.Modulus * SecondMoment(sources.PreSized / 2, 0); // E I, N*mm^2
        supports.Section.Rigidity = [rigidity](long double) { return rigidity; };
        supports.Made = {"pre-sized diameter " + FloatToStr(sources.PreSized) + " mm", "pre-sized " + FloatToStr(sources.PreSized) + key};
    } else {
        supports.Made = {"uniform section", "uniform" + key};
    }
    return supports;
}

bool MadeForAnotherSection(const TAnalysisState& state, const TPlaneSupports& supports)
{
    if (state.Reactions.size() < 3) return false;
    const auto calculated = [](const Tav& diagram) { return diagram.size() >= 2; };
    return (calculated(state.HorzDiagram) && state.HorzSection.Key != supports.Made.Key) ||
           (calculated(state.VertDiagram) && state.VertSection.Key != supports.Made.Key);
}

QString AnotherSectionText(const TAnalysisState& state, const TPlaneSupports& supports)
{
    if (!MadeForAnotherSection(state, supports)) return QString();
    const QString made = state.HorzDiagram.size() >= 2 ? state.HorzSection.Name : state.VertSection.Name;
    return "The reactions were made for another section or bearing stiffness (" + made + "); the checks below use them. "
           "Press \"Recalculate\" to solve both planes with the " + supports.Made.Name + ".";
}
