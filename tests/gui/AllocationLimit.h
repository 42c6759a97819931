#pragma once

#include <cstddef>

// While one exists, every single allocation through operator new of `refusedFrom` bytes or more
// fails with std::bad_alloc, as it would once memory runs out. The program links the allocation
// gate, which replaces its operator new and delete.
class AllocationLimit {
 public:
  explicit AllocationLimit(std::size_t refusedFrom);
  ~AllocationLimit();
  AllocationLimit(const AllocationLimit&) = delete;
  AllocationLimit& operator=(const AllocationLimit&) = delete;
};
