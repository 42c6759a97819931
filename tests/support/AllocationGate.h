#pragma once

#include <cstddef>

// Linking AllocationGate.cpp replaces the program's operator new and delete, every form of them,
// so that a test can make allocations fail as they would once memory runs out.

// Whether the allocation of `size` bytes is to fail with std::bad_alloc.
using AllocationRefusal = bool (*)(std::size_t size);

// From now on, allocations that `refuse` answers true for fail; nullptr lets every one through.
void RefuseAllocationsWhen(AllocationRefusal refuse) noexcept;
