#include "platform/MemoryPages.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

void PopulateForWriting(void* memory, std::size_t bytes)
{
#ifdef MADV_POPULATE_WRITE
    constexpr std::size_t kWorthIt = 256 * 1024;
    if (bytes < kWorthIt)
        return;
    static const std::uintptr_t page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const std::uintptr_t first = (reinterpret_cast<std::uintptr_t>(memory) + page - 1) / page * page;
    const std::uintptr_t last = (reinterpret_cast<std::uintptr_t>(memory) + bytes) / page * page;
    if (last > first)
        madvise(reinterpret_cast<void*>(first), last - first, MADV_POPULATE_WRITE);
#else
    (void)memory;
    (void)bytes;
#endif
}
