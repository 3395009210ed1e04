#include "check/lowest_mode.h"

#include "common/errors.h"
#include "common/number_text.h"

#include <cmath>

namespace {

// The step from one Rayleigh quotient to the next that counts as settled. The quotient's own
// round-off is about the number of unknowns times the double epsilon (1e-16 x a few thousand,
// under 1e-12 for the largest mesh), so a tighter bound could wait forever on noise; the speed is
// shown to the rpm, 1e-4 of it or finer, so this one is a million times tighter than the
// figure needs. The lowest mode's error falls by (lambda1 / lambda2)^2, a sixteenth for a beam on
// two supports, each step: a dozen steps reach it.
constexpr double kSettled = 1e-10;

} // namespace

// The start leans on every shape so that no symmetry of the shaft can hide the first mode from it.
double LowestEigenvalue(const Eigen::SparseMatrix<double>& stiffness, const Eigen::SparseMatrix<double>& mass,
                        int mostIterations)
{
    Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>> factor(stiffness);
    if (factor.info() != Eigen::Success) RaiseError("The shaft's stiffness matrix cannot be factorised");
    Eigen::VectorXd x(stiffness.rows());
    for (int i = 0; i < x.size(); ++i) x[i] = 1 + 0.1 * std::sin(1.7 * i);
    double value = 0;
    for (int iteration = 0; iteration < mostIterations; ++iteration) {
        const Eigen::VectorXd pushed = mass * x;
        const Eigen::VectorXd y = factor.solve(pushed);
        const double norm = y.dot(mass * y);
        const double next = y.dot(pushed) / norm;
        if (!std::isfinite(next) || !(norm > 0)) break;
        x = y / std::sqrt(norm);
        if (iteration > 0 && std::fabs(next - value) <= kSettled * std::fabs(next)) return next;
        value = next;
    }
    RaiseError("The first critical speed cannot be worked out: the inverse iteration did not settle in " +
               FloatToStr(mostIterations) + " steps");
}
