#include "check/standard_sizes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// Every rounded value lies within the rounding ISO 3 allows of the exact 10^(i/40), a few
// per cent; a mistyped one does not.
TEST(StandardSizes, PreferredDiametersFollowTheGeometricSeries)
{
    const std::vector<long double>& sizes = PreferredDiameters();
    ASSERT_EQ(sizes.size(), 121u);
    for (size_t i = 0; i < sizes.size(); ++i)
        EXPECT_NEAR(double(sizes[i] / std::pow(10.0L, i / 40.0L)), 1.0, 0.026) << double(sizes[i]);
    const std::vector<long double> excerpt{20, 21, 22, 24, 25, 26, 28, 30, 32, 34, 36, 38, 40, 42, 45, 48, 50, 53, 56, 60, 63, 67, 71, 75, 80};
    const auto from = std::find(sizes.begin(), sizes.end(), 20.0L);
    EXPECT_TRUE(std::equal(excerpt.begin(), excerpt.end(), from));
}

TEST(StandardSizes, BearingBoresAndFilletRadii)
{
    const std::vector<long double>& bores = BearingBores();
    EXPECT_EQ(std::vector<long double>(bores.begin(), bores.begin() + 7), (std::vector<long double>{10, 12, 15, 17, 20, 25, 30}));
    EXPECT_EQ(bores.back(), 480);
    EXPECT_TRUE(std::is_sorted(StandardFilletRadii().begin(), StandardFilletRadii().end()));
    EXPECT_EQ(StandardFilletRadii().size(), 12u);
}

} // namespace
