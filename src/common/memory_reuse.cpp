#include "common/memory_reuse.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

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

void PrepareForWriting(void* block, size_t size)
{
    const auto pageSize = uintptr_t(sysconf(_SC_PAGESIZE));
    const uintptr_t start = (uintptr_t(block) + pageSize - 1) & ~(pageSize - 1);
    const uintptr_t end = (uintptr_t(block) + size) & ~(pageSize - 1);
    if (end > start) madvise(reinterpret_cast<void*>(start), end - start, MADV_POPULATE_WRITE);
}
