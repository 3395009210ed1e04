#include "common/errors.h"
#include "dimensioning/combined_stress.h"
#include "dimensioning/twist_span_fields.h"

#include "test_support.h"

#include <gtest/gtest.h>

namespace {

// Without a span Mt acts everywhere, as before; with one, only inside it, ends included.
TEST(TwistSpan, TheRuleCountsMtInsideTheSpanOnly)
{
    const TCombinedStress everywhere = PrepareCombinedStress(0.5L, 4e5L, 60, true);
    for (long double x : {-10.0L, 0.0L, 500.0L}) EXPECT_EQ(DiameterUnder(everywhere, 3e5L, x), DiameterUnder(everywhere, 3e5L));
    const TCombinedStress spanned = PrepareCombinedStress(0.5L, 4e5L, 60, true, {50, 150});
    EXPECT_EQ(DiameterUnder(spanned, 3e5L, 50), DiameterUnder(everywhere, 3e5L));
    EXPECT_EQ(DiameterUnder(spanned, 3e5L, 150), DiameterUnder(everywhere, 3e5L));
    EXPECT_EQ(DiameterUnder(spanned, 3e5L, 150.5L), RequiredDiameter(3e5L, 0.5L, 0, 60, true));
    EXPECT_EQ(DiameterUnder(spanned, 0, 20), 0);
}

TEST(TwistSpan, ReadFromTheFields)
{
    EXPECT_EQ(ReadTwistSpan("", " "), TTwistSpan());
    EXPECT_EQ(ReadTwistSpan("40", ""), TTwistSpan({40, std::nullopt}));
    EXPECT_EQ(ReadTwistSpan(" 40 ", "40"), TTwistSpan({40, 40}));
    EXPECT_EQ(FailureOf([] { ReadTwistSpan("4O", "90"); }), "'4O' is not a valid floating point value");
    EXPECT_EQ(FailureOf([] { ReadTwistSpan("90", "40"); }), "Mt must act from a position to one further right: 90 is past 40");
}

} // namespace
