#include "check/critical_speed.h"

#include "common/gauss.h"
#include "check/lowest_mode.h"
#include "check/unit_system.h"
#include "common/errors.h"
#include "common/number_text.h"
#include "profile/round_section.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Elements at least this fine whatever the drawing: the first eigenvalue of cubic elements
// converges as h^4, and 48 of them put a uniform shaft's first mode within 1e-7 of the exact one.
constexpr int kLeastElements = 48;
// A station closer than this share of the longest element to a kept one is not a node: an element
// a thousandth as long as its neighbours makes the stiffness matrix singular to round-off (its
// stiffness grows as 1 / h^3). A face or a mass inside an element is integrated all the same.
constexpr long double kClosestShare = 1e-2L;
// How much the radius may change across one element, and the shortest element that halving makes,
// as a share of the longest (see AppendElement).
constexpr long double kLargestRadiusChange = 1.1L;
constexpr long double kFinestShare = 32;

using TSparse = Eigen::SparseMatrix<double>;
using TTriplets = std::vector<Eigen::Triplet<double>>;

struct TMesh {
    std::vector<long double> Nodes;
    std::vector<TBeamSupport> Supports;
    bool Bearing(long double x) const
    {
        return std::any_of(Supports.begin(), Supports.end(), [x](const TBeamSupport& s) { return s.Position == x; });
    }
    // A rigid bearing holds the deflection; an elastic one leaves it free, on its spring.
    bool Held(long double x) const
    {
        return std::any_of(Supports.begin(), Supports.end(),
                           [x](const TBeamSupport& s) { return s.Position == x && s.Stiffness == 0; });
    }
};

// Stations too close to the one kept before are dropped, except a bearing, which takes the place
// of any other station; the sliver of shaft lost at an end so is shorter than a hundredth of an
// element.
std::vector<long double> Stations(const TShaftGeometry& shaft, const TMesh& mesh, const std::vector<TMountedMass>& masses,
                                  long double closest)
{
    std::vector<long double> all = shaft.Faces();
    all.insert(all.end(), {shaft.Start(), shaft.End()});
    for (const TBeamSupport& support : mesh.Supports) all.push_back(support.Position);
    for (const TMountedMass& mass : masses) all.push_back(mass.Position);
    std::vector<long double> kept;
    for (long double x : SortedStations(std::move(all))) {
        if (kept.empty() || x - kept.back() >= closest || (mesh.Bearing(x) && mesh.Bearing(kept.back()))) kept.push_back(x);
        else if (mesh.Bearing(x)) kept.back() = x;
    }
    return kept;
}

// The widest and the thinnest radius over [a, b]: each piece is monotone in x, so at the ends of
// the pieces within.
std::pair<long double, long double> RadiusRange(const TShaftGeometry& shaft, long double a, long double b)
{
    long double least = INFINITY, most = 0;
    for (const TShaftPiece& piece : shaft.PiecesOver(a, b))
        for (long double r : {piece.RadiusAt(std::max(a, piece.X1)), piece.RadiusAt(std::min(b, piece.X2))})
            least = std::min(least, r), most = std::max(most, r);
    return {least, most};
}

// Where the drawn radius changes by more than a tenth within an element (a fillet, a chamfer, a
// cone), a cubic's curvature cannot follow M / (E I): such an element is halved, down to a 32nd of
// the longest.
void AppendElement(std::vector<long double>& nodes, const TShaftGeometry& shaft, long double a, long double b,
                   long double shortest)
{
    const auto [least, most] = RadiusRange(shaft, a, b);
    if (b - a >= 2 * shortest && most > kLargestRadiusChange * least) {
        AppendElement(nodes, shaft, a, (a + b) / 2, shortest);
        AppendElement(nodes, shaft, (a + b) / 2, b, shortest);
        return;
    }
    nodes.push_back(b);
}

TMesh Mesh(const TShaftGeometry& shaft, const std::vector<TBeamSupport>& supports, const std::vector<TMountedMass>& masses)
{
    TMesh mesh{{}, supports};
    const long double longest = (shaft.End() - shaft.Start()) / kLeastElements;
    const std::vector<long double> stations = Stations(shaft, mesh, masses, longest * kClosestShare);
    mesh.Nodes.push_back(stations.front());
    for (size_t i = 0; i + 1 < stations.size(); ++i) {
        const long double a = stations[i], b = stations[i + 1];
        const int parts = std::max(1, int(std::ceil((b - a) / longest)));
        for (int j = 1; j <= parts; ++j)
            AppendElement(mesh.Nodes, shaft, mesh.Nodes.back(), j == parts ? b : a + (b - a) * j / parts, longest / kFinestShare);
    }
    return mesh;
}

// The cubic Hermite functions of a beam element (w1, theta1, w2, theta2) at u in 0...1 and their
// second derivatives along x (Przemieniecki, Theory of Matrix Structural Analysis, 1968, ch. 5
// and ch. 11): k = integral of E I N''^T N'' dx, consistent m = integral of rho A N^T N dx, worked
// out here over the drawn I(x) and A(x) instead of the closed forms of a uniform element.
std::array<double, 4> Shapes(double u, double h)
{
    return {1 - 3 * u * u + 2 * u * u * u, h * (u - 2 * u * u + u * u * u), 3 * u * u - 2 * u * u * u,
            h * (u * u * u - u * u)};
}

std::array<double, 4> Curvatures(double u, double h)
{
    return {(12 * u - 6) / (h * h), (6 * u - 4) / h, (6 - 12 * u) / (h * h), (6 * u - 2) / h};
}

// Free degrees of freedom: every rotation, and every deflection but those at the bearings.
struct TDofMap {
    std::vector<int> Index; // -1 where held
    int Count = 0;
};

TDofMap MapDofs(const TMesh& mesh)
{
    TDofMap map;
    for (long double x : mesh.Nodes) {
        map.Index.push_back(mesh.Held(x) ? -1 : map.Count++);
        map.Index.push_back(map.Count++);
    }
    return map;
}

struct TElementMatrices {
    double K[4][4] = {}, M[4][4] = {};
};

// Five Gauss points are exact on a line piece (E I N''N'' is of degree 6, rho A N N of degree 8);
// an arc is cut into parts of at most a sixteenth of its radius.
int PartsOf(const TShaftPiece& piece, long double from, long double to)
{
    if (!piece.Curved()) return 1;
    return 1 + int(std::min(16 * (to - from) / piece.Drawn.Radius, 1000.0L));
}

void AddPiece(TElementMatrices& e, const TShaftPiece& piece, double x1, double h, long double from, long double to,
              double modulus, double density)
{
    const int parts = PartsOf(piece, from, to);
    const long double step = (to - from) / parts;
    for (int part = 0; part < parts; ++part)
        for (const TGaussPoint& p : kGaussPoints) {
            const long double x = from + step * (part + (1 + p.Offset) / 2);
            const double u = double(x - x1) / h, weight = double(p.Weight * step / 2);
            const long double r = piece.RadiusAt(x), ri = piece.BoreAt(x);
            const double area = double(SectionArea(r, ri)), inertia = double(SecondMoment(r, ri)); // mm^2, mm^4
            const std::array<double, 4> n = Shapes(u, h), c = Curvatures(u, h);
            for (int i = 0; i < 4; ++i)
                for (int j = 0; j < 4; ++j) {
                    e.K[i][j] += weight * modulus * inertia * c[i] * c[j];
                    e.M[i][j] += weight * density * area * n[i] * n[j];
                }
        }
}

TElementMatrices Element(const TShaftGeometry& shaft, long double x1, long double x2, double modulus, double density)
{
    TElementMatrices e;
    for (const TShaftPiece& piece : shaft.PiecesOver(x1, x2))
        AddPiece(e, piece, double(x1), double(x2 - x1), std::max(x1, piece.X1), std::min(x2, piece.X2), modulus, density);
    return e;
}

void Scatter(TTriplets& stiffness, TTriplets& mass, const TDofMap& map, size_t node, const TElementMatrices& e)
{
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            const int row = map.Index[2 * node + i], column = map.Index[2 * node + j];
            if (row < 0 || column < 0) continue;
            stiffness.emplace_back(row, column, e.K[i][j]);
            mass.emplace_back(row, column, e.M[i][j]);
        }
}

// A mass rides with the deflection w(x) = N(u) q of the element under it: its kinetic energy
// m w^2 / 2 gives m N^T N on the element's deflections and rotations, m itself on a node.
void AddMountedMass(TTriplets& mass, const TDofMap& map, const std::vector<long double>& nodes, const TMountedMass& added)
{
    const long double x = std::clamp(added.Position, nodes.front(), nodes.back());
    const size_t node = std::min(size_t(std::upper_bound(nodes.begin(), nodes.end(), x) - nodes.begin()), nodes.size() - 1) - 1;
    const double h = double(nodes[node + 1] - nodes[node]);
    const std::array<double, 4> n = Shapes(double(x - nodes[node]) / h, h);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            const int row = map.Index[2 * node + i], column = map.Index[2 * node + j];
            if (row >= 0 && column >= 0) mass.emplace_back(row, column, double(added.Mass) * kTonnesPerKilogram * n[i] * n[j]);
        }
}

// A bearing's spring k acts on the shaft's deflection at its node: k w^2 / 2 of strain energy.
void AddBearingSprings(TTriplets& stiffness, const TDofMap& map, const TMesh& mesh)
{
    for (const TBeamSupport& support : mesh.Supports) {
        if (support.Stiffness == 0) continue;
        const size_t node = size_t(std::find(mesh.Nodes.begin(), mesh.Nodes.end(), support.Position) - mesh.Nodes.begin());
        const int row = map.Index[2 * node];
        stiffness.emplace_back(row, row, double(support.Stiffness));
    }
}

void RefuseMassesOffTheShaft(const TShaftGeometry& shaft, const std::vector<TMountedMass>& masses)
{
    for (const TMountedMass& mass : masses)
        if (mass.Position < shaft.Start() || mass.Position > shaft.End())
            RaiseError("The mass at x = " + FloatToStr(mass.Position) + " mm is off the drawn shaft, " +
                       RangeText(shaft.Start(), shaft.End()));
}

} // namespace

long double FirstCriticalSpeed(const TShaftGeometry& shaft, const std::vector<TBeamSupport>& supports,
                               long double modulus, long double density, const std::vector<TMountedMass>& masses)
{
    RefuseMassesOffTheShaft(shaft, masses);
    const TMesh mesh = Mesh(shaft, supports, masses);
    const std::vector<long double>& nodes = mesh.Nodes;
    const TDofMap map = MapDofs(mesh);
    TTriplets stiffness, mass;
    stiffness.reserve(16 * nodes.size()), mass.reserve(16 * nodes.size());
    for (size_t e = 0; e + 1 < nodes.size(); ++e)
        Scatter(stiffness, mass, map, e,
                Element(shaft, nodes[e], nodes[e + 1], double(modulus), double(density) * kTonnesPerMm3PerKgPerM3));
    for (const TMountedMass& added : masses) AddMountedMass(mass, map, nodes, added);
    AddBearingSprings(stiffness, map, mesh);
    TSparse k(map.Count, map.Count), m(map.Count, map.Count);
    k.setFromTriplets(stiffness.begin(), stiffness.end());
    m.setFromTriplets(mass.begin(), mass.end());
    // omega^2 in 1/s^2 from N/mm over t; n = 60 omega / (2 pi) rpm.
    const double omega = std::sqrt(LowestEigenvalue(k, m));
    return CheckedValue(omega * 60 / (2 * std::numbers::pi));
}
