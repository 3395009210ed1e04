#include "check/standard_sizes.h"

namespace {

// ISO 497:1973, table of the R40 series' rounded values (Ra40), one decade.
constexpr long double kRa40Decade[] = {1.0L, 1.05L, 1.1L, 1.2L, 1.25L, 1.3L, 1.4L, 1.5L, 1.6L, 1.7L,
                                       1.8L, 1.9L,  2.0L, 2.1L, 2.2L,  2.4L, 2.5L, 2.6L, 2.8L, 3.0L,
                                       3.2L, 3.4L,  3.6L, 3.8L, 4.0L,  4.2L, 4.5L, 4.8L, 5.0L, 5.3L,
                                       5.6L, 6.0L,  6.3L, 6.7L, 7.1L,  7.5L, 8.0L, 8.5L, 9.0L, 9.5L};

std::vector<long double> BuildPreferredDiameters()
{
    std::vector<long double> sizes;
    for (long double decade : {1.0L, 10.0L, 100.0L})
        for (long double mantissa : kRa40Decade) sizes.push_back(mantissa * decade);
    sizes.push_back(1000);
    return sizes;
}

std::vector<long double> BuildBearingBores()
{
    std::vector<long double> bores{10, 12, 15, 17};
    for (int bore = 20; bore <= 480; bore += 5) bores.push_back(bore);
    return bores;
}

} // namespace

const std::vector<long double>& StandardFilletRadii()
{
    static const std::vector<long double> radii{0.2L, 0.4L, 0.6L, 1, 1.6L, 2.5L, 4, 6, 10, 16, 20, 25};
    return radii;
}

const std::vector<long double>& PreferredDiameters()
{
    static const std::vector<long double> sizes = BuildPreferredDiameters();
    return sizes;
}

const std::vector<long double>& BearingBores()
{
    static const std::vector<long double> bores = BuildBearingBores();
    return bores;
}
