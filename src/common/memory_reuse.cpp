#include "common/memory_reuse.h"

#include <malloc.h>

namespace {

// Blocks below this come from the heap, whose freed space is reused; larger ones are mapped on
// their own and returned at once.
constexpr int kMappedFrom = 64 << 20;
// The free space at the heap's top that is kept rather than returned.
constexpr int kKeptAtTop = 128 << 20;

} // namespace

void KeepLargeBlocksForReuse()
{
    mallopt(M_MMAP_THRESHOLD, kMappedFrom);
    mallopt(M_TRIM_THRESHOLD, kKeptAtTop);
}
