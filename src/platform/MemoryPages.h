#pragma once
// Memory a caller is about to write whole: its pages are asked of the system in one call instead of
// one page fault per page, which is most of the cost of filling large fresh memory. Small ranges
// are left alone (the call costs more than it spares), and where the system cannot populate pages
// ahead they are faulted in as usual.

#include <cstddef>

void PopulateForWriting(void* memory, std::size_t bytes);
