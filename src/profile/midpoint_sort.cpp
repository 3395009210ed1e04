#include "profile/midpoint_sort.h"

#include "common/errors.h"
#include "profile/dhl_statement.h"

#include <algorithm>
#include <exception>
#include <numeric>
#include <vector>

namespace {

// The bore's lines follow the outline's, so that the outline starts and ends the text.
struct TSortKey {
    bool Bore = false;
    long double Middle = 0;
    bool operator>(const TSortKey& other) const { return Bore != other.Bore ? Bore : Middle > other.Middle; }
    bool operator<(const TSortKey& other) const { return other > *this; }
};

// One pass of exchanges over the leading lines whose keys are known.
void ExchangePass(QStringList& memo, std::vector<TSortKey>& keys)
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
void ApplyStableOrder(QStringList& memo, const std::vector<TSortKey>& keys)
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
    std::vector<TSortKey> keys;
    keys.reserve(memo.size());
    try {
        for (const QString& line : memo) {
            const TStatement statement = ReadRequiredStatement(line);
            keys.push_back({statement.Kind == TStatementKind::Bore, MidpointKey(statement)});
        }
    } catch (const KorvelError&) {
        // The first pass reads the pairs in order and stops at the first line it cannot read.
        ExchangePass(memo, keys);
        throw;
    }
    ApplyStableOrder(memo, keys);
}

qsizetype OutlineLineCount(const QStringList& sortedMemo)
{
    const auto bore = std::find_if(sortedMemo.begin(), sortedMemo.end(), [](const QString& line) {
        return StatementKind(line) == TStatementKind::Bore;
    });
    return bore - sortedMemo.begin();
}
