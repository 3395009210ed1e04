#include "analysis/beam_element.h"

#include "common/errors.h"
#include "common/gauss.h"
#include "common/number_text.h"

#include <algorithm>
#include <cmath>

namespace {

// Over a part where E I changes by less than this factor, five Gauss points integrate 1 / E I
// of a cone to about 1E-11 (the error falls with the tenth power of the change).
constexpr long double kLargestChange = 1.5L;
constexpr int kDeepestHalving = 16;

long double CheckedRigidity(const TRigidity& rigidity, long double x)
{
    const long double value = rigidity(x);
    if (!(value > 0) || !std::isfinite(value))
        RaiseError(QStringLiteral("The shaft's flexural rigidity E*I at %1 mm between its bearings is "
                                  "not a positive number: give the shaft a cross section there.")
                       .arg(FloatToStr(x)));
    return value;
}

void AddStretch(TFlexibility& sum, long double x2, long double a, long double b, const TRigidity& rigidity,
                int depth)
{
    std::array<long double, kGaussPoints.size()> xs, values;
    for (size_t g = 0; g < kGaussPoints.size(); ++g) {
        xs[g] = (a + b) / 2 + kGaussPoints[g].Offset * (b - a) / 2;
        values[g] = CheckedRigidity(rigidity, xs[g]);
    }
    const auto [least, most] = std::minmax_element(values.begin(), values.end());
    if (*most > kLargestChange * *least && depth < kDeepestHalving) {
        AddStretch(sum, x2, a, (a + b) / 2, rigidity, depth + 1);
        AddStretch(sum, x2, (a + b) / 2, b, rigidity, depth + 1);
        return;
    }
    for (size_t g = 0; g < kGaussPoints.size(); ++g) {
        const long double weight = kGaussPoints[g].Weight * (b - a) / 2 / values[g];
        const long double arm = x2 - xs[g];
        sum.J0 += weight;
        sum.J1 += weight * arm;
        sum.J2 += weight * arm * arm;
    }
}

} // namespace

TFlexibility UniformFlexibility(long double length, long double rigidity)
{
    return {length / rigidity, length * length / (2 * rigidity), length * length * length / (3 * rigidity)};
}

TFlexibility ElementFlexibility(long double x1, long double x2, const TRigidity& rigidity,
                                const std::vector<long double>& joints)
{
    TFlexibility sum;
    long double from = x1;
    for (auto joint = std::upper_bound(joints.begin(), joints.end(), x1); joint != joints.end() && *joint < x2;
         ++joint) {
        AddStretch(sum, x2, from, *joint, rigidity, 0);
        from = *joint;
    }
    AddStretch(sum, x2, from, x2, rigidity, 0);
    return sum;
}

// Held at x1 and loaded at x2 by a force V and a counter-clockwise moment T, the element bends by
// E I v'' = V (x2 - x) + T, so the unit-load method gives the tip's flexibility [[J2, J1], [J1, J0]];
// its inverse is the stiffness of the x2 end, and equilibrium of the element (the x1 end carries
// -V and -T - V h) completes the matrix. Przemieniecki, Theory of Matrix Structural Analysis,
// McGraw-Hill 1968, ch. 6 (element stiffness from element flexibility); for a uniform element it
// gives the familiar 12, 6h, 4h^2, 2h^2 over h^3 matrix.
TElementStiffness ElementStiffness(long double length, const TFlexibility& flexibility)
{
    const auto [j0, j1, j2] = flexibility;
    const long double determinant = j0 * j2 - j1 * j1;
    const long double a = j0 / determinant, b = -j1 / determinant, c = j2 / determinant;
    const long double h = length;
    const long double s = h * a + b, t = h * b + c; // -(the x1 end's share of unit tip motions)
    return {{{a, s, -a, -b}, {s, h * s + t, -s, -t}, {-a, -s, a, b}, {-b, -t, b, c}}};
}
