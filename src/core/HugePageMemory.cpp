#include "HugePageMemory.h"

#if __has_include(<sys/mman.h>)
#include <sys/mman.h>
#endif

namespace kvl::core {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

}  // namespace

void* AllocateHugePageMemory(std::size_t bytes) {
  if (bytes < kHugePage) return ::operator new(bytes);
  void* memory = ::operator new (bytes, std::align_val_t{kHugePage});
#ifdef MADV_HUGEPAGE
  // Only whole huge pages: the tail may share its page with other allocations. A system without
  // transparent huge pages refuses the advice, and the memory works as it is.
  ::madvise(memory, bytes / kHugePage * kHugePage, MADV_HUGEPAGE);
#endif
  return memory;
}

void ReleaseHugePageMemory(void* memory, std::size_t bytes) noexcept {
  if (memory == nullptr) return;
  if (bytes < kHugePage) {
    ::operator delete(memory);
  } else {
    ::operator delete (memory, std::align_val_t{kHugePage});
  }
}

}  // namespace kvl::core
