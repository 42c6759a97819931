#pragma once

#include <cstddef>
#include <new>

namespace kvl::core {

// Memory for the large arrays of a loaded report. From the huge page size on, an allocation is
// aligned to it and offered to the kernel for transparent huge pages, which spares most of the
// page faults of filling it. The memory is handed out as it comes: never zero-filled.
void* AllocateHugePageMemory(std::size_t bytes);
void ReleaseHugePageMemory(void* memory, std::size_t bytes) noexcept;

template <class T>
struct HugePageAllocator {
  using value_type = T;

  HugePageAllocator() = default;
  template <class U>
  HugePageAllocator(const HugePageAllocator<U>&) noexcept {}

  T* allocate(std::size_t n) {
    if (n > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
    return static_cast<T*>(AllocateHugePageMemory(n * sizeof(T)));
  }
  void deallocate(T* p, std::size_t n) noexcept { ReleaseHugePageMemory(p, n * sizeof(T)); }

  template <class U>
  bool operator==(const HugePageAllocator<U>&) const noexcept {
    return true;
  }
};

}  // namespace kvl::core
