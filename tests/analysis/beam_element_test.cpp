// The flexibility of a beam element over a strong cone and a step, against the integrals in
// closed form: the quadrature must follow E I where it changes a hundredfold, and split at a step.
#include "analysis/beam_element.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Over a piece of length h with E I = EI0 (1 + c s)^4, s from the piece's start, and the arm
// h - s, with A = 1 + c h: the integrals of 1, arm and arm^2 over E I.
TFlexibility ConeFlexibility(long double h, long double ei0, long double c)
{
    const long double A = 1 + c * h;
    const long double i3 = (1 - std::pow(A, -3)) / 3, i2 = (1 - std::pow(A, -2)) / 2, i1 = 1 - 1 / A;
    return {i3 / (c * ei0), (A * i3 - i2) / (c * c * ei0), (A * A * i3 - 2 * A * i2 + i1) / (c * c * c * ei0)};
}

// A piece's integrals taken about an arm longer by `beyond`.
TFlexibility Shifted(const TFlexibility& f, long double beyond)
{
    return {f.J0, f.J1 + beyond * f.J0, f.J2 + 2 * beyond * f.J1 + beyond * beyond * f.J0};
}

TEST(BeamElement, FlexibilityOverAConeAndAStep)
{
    // d from 20 mm at 100 to 80 mm at 400, then 76 mm to 520: a step too small for the halving to
    // notice. E I = E pi d^4 / 64.
    const long double modulus = 210000, pi = 3.141592653589793238462643383279502884L;
    auto rigidity = [&](long double x) {
        const long double d = x < 400 ? 20 + 60 * (x - 100) / 300 : 76;
        return modulus * pi * std::pow(d, 4) / 64;
    };
    const long double cone0 = rigidity(100), c = 3.0L / 300; // d / 20 = 1 + c s
    const TFlexibility cone = Shifted(ConeFlexibility(300, cone0, c), 120);
    const TFlexibility tail = UniformFlexibility(120, rigidity(450));
    const TFlexibility element = ElementFlexibility(100, 520, rigidity, {0, 400, 900});
    EXPECT_NEAR(double(element.J0 / (cone.J0 + tail.J0) - 1), 0, 1e-11);
    EXPECT_NEAR(double(element.J1 / (cone.J1 + tail.J1) - 1), 0, 1e-11);
    EXPECT_NEAR(double(element.J2 / (cone.J2 + tail.J2) - 1), 0, 1e-11);
}

} // namespace
