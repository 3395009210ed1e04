#include "profile/midpoint_sort.h"

#include "common/errors.h"
#include "profile/dhl_statement.h"

#include <algorithm>
#include <exception>
#include <numeric>
#include <vector>

namespace {

// One pass of exchanges over the leading lines whose keys are known.
void ExchangePass(QStringList& memo, std::vector<long double>& keys)
{
    for (size_t i = 0; i + 1 < keys.size(); ++i) {
        if (keys[i] > keys[i + 1]) {
            std::swap(keys[i], keys[i + 1]);
            memo.swapItemsAt(qsizetype(i), qsizetype(i + 1));
        }
    }
}

// Passes of exchanges until none is left give the stable order by key; sorting indices gives
// it without a pass per line.
void ApplyStableOrder(QStringList& memo, const std::vector<long double>& keys)
{
    std::vector<qsizetype> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) { return keys[a] < keys[b]; });
    QStringList sorted;
    sorted.reserve(memo.size());
    for (qsizetype index : order) sorted.append(memo[index]);
    memo = std::move(sorted);
}

} // namespace

void MidpointSort(QStringList& memo)
{
    if (memo.size() < 2) return;
    std::vector<long double> keys;
    keys.reserve(memo.size());
    try {
        for (const QString& line : memo) keys.push_back(MidpointKey(ReadRequiredStatement(line)));
    } catch (const KorvelError&) {
        // The first pass reads the pairs in order and stops at the first line it cannot read.
        ExchangePass(memo, keys);
        throw;
    }
    ApplyStableOrder(memo, keys);
}
