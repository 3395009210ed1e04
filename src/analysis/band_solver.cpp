#include "analysis/band_solver.h"

#include "common/errors.h"

#include <algorithm>

namespace {

constexpr int kHalfBand = 3;

// Right-looking: row i's pivot D(i) and the multipliers L(i + d, i) replace its entries, and the
// rows below it take away their share.
void Factor(TBandMatrix& matrix)
{
    const int size = int(matrix.size());
    for (int i = 0; i < size; ++i) {
        auto& row = matrix[i];
        if (!(row[0] > 0)) RaiseError(kDivisionByZero);
        const long double inverse = 1 / row[0];
        const int reach = std::min(kHalfBand, size - 1 - i);
        for (int p = 1; p <= reach; ++p)
            for (int q = p; q <= reach; ++q) matrix[i + p][q - p] -= row[p] * inverse * row[q];
        for (int d = 1; d <= reach; ++d) row[d] *= inverse;
    }
}

} // namespace

std::vector<long double> SolveBand(TBandMatrix& matrix, std::vector<long double> loads)
{
    Factor(matrix);
    const int size = int(matrix.size());
    for (int i = 0; i < size; ++i)
        for (int d = 1; d <= kHalfBand && i + d < size; ++d) loads[i + d] -= matrix[i][d] * loads[i];
    for (int i = 0; i < size; ++i) loads[i] /= matrix[i][0];
    for (int i = size - 1; i >= 0; --i)
        for (int d = 1; d <= kHalfBand && i + d < size; ++d) loads[i] -= matrix[i][d] * loads[i + d];
    return loads;
}
