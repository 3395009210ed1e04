#include "analysis/continuous_beam.h"

#include "analysis/band_solver.h"
#include "analysis/beam_element.h"
#include "common/errors.h"
#include "common/number_text.h"

#include <algorithm>
#include <cmath>

namespace {

struct TSpan {
    long double First = 0, Last = 0; // the outermost supports
};

void CheckSupports(const std::vector<TBeamSupport>& supports, const TBeamSection& section)
{
    if (supports.size() < 2)
        RaiseError(QStringLiteral("A shaft needs at least two bearings: with fewer it is a mechanism."));
    std::vector<long double> positions;
    for (const TBeamSupport& support : supports) {
        if (!(support.Stiffness >= 0) || !std::isfinite(support.Stiffness))
            RaiseError(QStringLiteral("The bearing at %1 mm has a stiffness of %2 N/mm: a stiffness is "
                                      "a positive number, or 0 for a rigid bearing.")
                           .arg(FloatToStr(support.Position), FloatToStr(support.Stiffness)));
        if (support.Stiffness > 0 && !section.Rigidity)
            RaiseError(QStringLiteral("The elastic bearing at %1 mm needs the shaft's diameters: how far "
                                      "it gives way depends on the shaft's bending stiffness E*I.")
                           .arg(FloatToStr(support.Position)));
        positions.push_back(CheckedValue(support.Position));
    }
    std::sort(positions.begin(), positions.end());
    const auto shared = std::adjacent_find(positions.begin(), positions.end());
    if (shared != positions.end())
        RaiseError(QStringLiteral("Two bearings are at %1 mm: each bearing needs a place of its own.")
                       .arg(FloatToStr(*shared)));
}

TSpan SpanOf(const std::vector<TBeamSupport>& supports)
{
    const auto [first, last] = std::minmax_element(supports.begin(), supports.end(),
        [](const TBeamSupport& a, const TBeamSupport& b) { return a.Position < b.Position; });
    return {first->Position, last->Position};
}

// An overhang is statically determinate: a load on it reaches the outermost support as the same
// force and the couple of its arm, F (support - position) clockwise, which leaves the bending
// moment between the supports unchanged.
std::vector<TBeamLoad> LoadsOnSpan(const std::vector<TBeamLoad>& loads, TSpan span)
{
    std::vector<TBeamLoad> moved;
    for (const TBeamLoad& load : loads) {
        const long double x = std::clamp(CheckedValue(load.Position), span.First, span.Last);
        moved.push_back({x, load.Force, load.Couple + load.Force * (x - load.Position)});
    }
    return moved;
}

std::vector<long double> NodePositions(const std::vector<TBeamSupport>& supports, const std::vector<TBeamLoad>& loads)
{
    std::vector<long double> nodes;
    for (const TBeamSupport& support : supports) nodes.push_back(support.Position);
    for (const TBeamLoad& load : loads) nodes.push_back(load.Position);
    std::sort(nodes.begin(), nodes.end());
    nodes.erase(std::unique(nodes.begin(), nodes.end()), nodes.end());
    return nodes;
}

size_t NodeAt(const std::vector<long double>& nodes, long double x)
{
    return size_t(std::lower_bound(nodes.begin(), nodes.end(), x) - nodes.begin());
}

TBandMatrix AssembleStiffness(const std::vector<long double>& nodes, const TBeamSection& section)
{
    std::vector<long double> joints = section.Joints;
    std::sort(joints.begin(), joints.end());
    TBandMatrix matrix(2 * nodes.size(), {0, 0, 0, 0});
    for (size_t e = 0; e + 1 < nodes.size(); ++e) {
        const long double h = nodes[e + 1] - nodes[e];
        const TFlexibility flexibility = section.Rigidity
            ? ElementFlexibility(nodes[e], nodes[e + 1], section.Rigidity, joints)
            : UniformFlexibility(h, 1);
        const TElementStiffness k = ElementStiffness(h, flexibility);
        for (size_t i = 0; i < 4; ++i)
            for (size_t j = i; j < 4; ++j) matrix[2 * e + i][j - i] += k[i][j];
    }
    return matrix;
}

// A clockwise couple is the nodal moment -C: the rotation it works on counts counter-clockwise.
std::vector<long double> NodalLoads(const std::vector<long double>& nodes, const std::vector<TBeamLoad>& loads)
{
    std::vector<long double> vector(2 * nodes.size(), 0);
    for (const TBeamLoad& load : loads) {
        const size_t n = NodeAt(nodes, load.Position);
        vector[2 * n] += load.Force;
        vector[2 * n + 1] -= load.Couple;
    }
    return vector;
}

// Holds a rigid support's deflection at 0; the row and column go, the band stays.
void HoldDeflection(TBandMatrix& matrix, std::vector<long double>& loads, size_t dof)
{
    for (size_t d = 1; d < 4; ++d) {
        matrix[dof][d] = 0;
        if (dof >= d) matrix[dof - d][d] = 0;
    }
    matrix[dof][0] = 1;
    loads[dof] = 0;
}

// What the beam's row asks beyond the applied load is what the support gives.
long double RowResidual(const TBandMatrix& matrix, const std::vector<long double>& u, long double load, size_t dof)
{
    long double sum = matrix[dof][0] * u[dof];
    for (size_t d = 1; d < 4; ++d) {
        if (dof + d < u.size()) sum += matrix[dof][d] * u[dof + d];
        if (dof >= d) sum += matrix[dof - d][d] * u[dof - d];
    }
    return sum - load;
}

} // namespace

std::vector<long double> SupportReactions(const std::vector<TBeamSupport>& supports,
                                          const std::vector<TBeamLoad>& loads,
                                          const TBeamSection& section)
{
    CheckSupports(supports, section);
    const std::vector<TBeamLoad> spanLoads = LoadsOnSpan(loads, SpanOf(supports));
    const std::vector<long double> nodes = NodePositions(supports, spanLoads);
    const TBandMatrix beam = AssembleStiffness(nodes, section);
    const std::vector<long double> applied = NodalLoads(nodes, spanLoads);
    TBandMatrix matrix = beam;
    std::vector<long double> held = applied;
    for (const TBeamSupport& support : supports) {
        const size_t dof = 2 * NodeAt(nodes, support.Position);
        if (support.Stiffness > 0) matrix[dof][0] += support.Stiffness;
        else HoldDeflection(matrix, held, dof);
    }
    const std::vector<long double> u = SolveBand(matrix, held);
    std::vector<long double> reactions;
    for (const TBeamSupport& support : supports) {
        const size_t dof = 2 * NodeAt(nodes, support.Position);
        reactions.push_back(CheckedValue(support.Stiffness > 0 ? -support.Stiffness * u[dof]
                                                               : RowResidual(beam, u, applied[dof], dof)));
    }
    return reactions;
}
