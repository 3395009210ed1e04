#include "check/critical_speed.h"

#include "check/gauss.h"
#include "common/errors.h"
#include "common/number_text.h"

#include <Eigen/Sparse>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Elements at least this fine whatever the drawing: the first mode then agrees with the exact
// Euler-Bernoulli one far inside what the check reports.
constexpr int kLeastElements = 48;
constexpr int kMostIterations = 500;
constexpr double kTonnesPerKilogram = 1e-3;
constexpr double kTonnesPerMm3PerKgPerM3 = 1e-12;

using TSparse = Eigen::SparseMatrix<double>;
using TTriplets = std::vector<Eigen::Triplet<double>>;

std::vector<long double> Nodes(const TShaftGeometry& shaft, long double bearingA, long double bearingB,
                               const std::vector<TMountedMass>& masses)
{
    std::vector<long double> joints{shaft.Start(), bearingA, bearingB};
    for (const TShaftPiece& piece : shaft.Pieces) joints.push_back(piece.X2);
    for (const TMountedMass& mass : masses) joints.push_back(mass.Position);
    std::sort(joints.begin(), joints.end());
    joints.erase(std::unique(joints.begin(), joints.end()), joints.end());
    const long double longest = (shaft.End() - shaft.Start()) / kLeastElements;
    std::vector<long double> nodes{joints.front()};
    for (size_t i = 0; i + 1 < joints.size(); ++i) {
        const int parts = std::max(1, int(std::ceil((joints[i + 1] - joints[i]) / longest)));
        for (int j = 1; j < parts; ++j) nodes.push_back(joints[i] + (joints[i + 1] - joints[i]) * j / parts);
        nodes.push_back(joints[i + 1]);
    }
    return nodes;
}

// Values and second derivatives of the four Hermite functions (w1, theta1, w2, theta2) at u in 0...1.
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

TDofMap MapDofs(const std::vector<long double>& nodes, long double bearingA, long double bearingB)
{
    TDofMap map;
    for (long double x : nodes) {
        const bool held = x == bearingA || x == bearingB;
        map.Index.push_back(held ? -1 : map.Count++);
        map.Index.push_back(map.Count++);
    }
    return map;
}

void AddElement(TTriplets& stiffness, TTriplets& mass, const TDofMap& map, size_t node, double x1, double x2,
                const TShaftPiece& piece, double modulus, double density)
{
    const double h = x2 - x1;
    double k[4][4] = {}, m[4][4] = {};
    for (const TGaussPoint& p : kGaussPoints) {
        const double u = double((1 + p.Offset) / 2), weight = double(p.Weight) * h / 2;
        const double r = double(piece.RadiusAt(x1 + u * h));
        const double area = std::numbers::pi * r * r, inertia = area * r * r / 4;
        const std::array<double, 4> n = Shapes(u, h), c = Curvatures(u, h);
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) {
                k[i][j] += weight * modulus * inertia * c[i] * c[j];
                m[i][j] += weight * density * area * n[i] * n[j];
            }
    }
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            const int row = map.Index[2 * node + i], column = map.Index[2 * node + j];
            if (row < 0 || column < 0) continue;
            stiffness.emplace_back(row, column, k[i][j]);
            mass.emplace_back(row, column, m[i][j]);
        }
}

// Inverse iteration converges on the lowest mode; the start leans on every shape so that no
// symmetry of the shaft can hide the first mode from it.
double LowestEigenvalue(const TSparse& stiffness, const TSparse& mass)
{
    Eigen::SimplicialLDLT<TSparse> factor(stiffness);
    if (factor.info() != Eigen::Success) RaiseError("The shaft's stiffness matrix cannot be factorised");
    Eigen::VectorXd x(stiffness.rows());
    for (int i = 0; i < x.size(); ++i) x[i] = 1 + 0.1 * std::sin(1.7 * i);
    double value = 0;
    for (int iteration = 0; iteration < kMostIterations; ++iteration) {
        const Eigen::VectorXd pushed = mass * x;
        Eigen::VectorXd y = factor.solve(pushed);
        const double norm = y.dot(mass * y);
        const double next = y.dot(pushed) / norm;
        x = y / std::sqrt(norm);
        const bool settled = std::fabs(next - value) <= 1e-13 * next;
        value = next;
        if (settled) break;
    }
    return value;
}

void RefuseMassesOffTheShaft(const TShaftGeometry& shaft, const std::vector<TMountedMass>& masses)
{
    for (const TMountedMass& mass : masses)
        if (mass.Position < shaft.Start() || mass.Position > shaft.End())
            RaiseError("The mass at x = " + FloatToStr(mass.Position) + " mm is off the drawn shaft, " +
                       RangeText(shaft.Start(), shaft.End()));
}

} // namespace

long double FirstCriticalSpeed(const TShaftGeometry& shaft, long double bearingA, long double bearingB,
                               long double modulus, long double density, const std::vector<TMountedMass>& masses)
{
    RefuseMassesOffTheShaft(shaft, masses);
    const std::vector<long double> nodes = Nodes(shaft, bearingA, bearingB, masses);
    const TDofMap map = MapDofs(nodes, bearingA, bearingB);
    TTriplets stiffness, mass;
    for (size_t e = 0; e + 1 < nodes.size(); ++e)
        AddElement(stiffness, mass, map, e, double(nodes[e]), double(nodes[e + 1]),
                   shaft.PieceAt((nodes[e] + nodes[e + 1]) / 2), double(modulus),
                   double(density) * kTonnesPerMm3PerKgPerM3);
    for (const TMountedMass& added : masses) {
        const size_t node = size_t(std::lower_bound(nodes.begin(), nodes.end(), added.Position) - nodes.begin());
        const int row = map.Index[2 * node];
        if (row >= 0) mass.emplace_back(row, row, double(added.Mass) * kTonnesPerKilogram);
    }
    TSparse k(map.Count, map.Count), m(map.Count, map.Count);
    k.setFromTriplets(stiffness.begin(), stiffness.end());
    m.setFromTriplets(mass.begin(), mass.end());
    const double omega = std::sqrt(LowestEigenvalue(k, m)); // rad/s
    return CheckedValue(omega * 60 / (2 * std::numbers::pi));
}
