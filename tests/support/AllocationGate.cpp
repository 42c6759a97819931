#include "AllocationGate.h"

#include <cstdlib>
#include <new>

namespace {

AllocationRefusal refusal = nullptr;

void* Allocate(std::size_t size, std::size_t alignment) {
  if (refusal != nullptr && refusal(size)) throw std::bad_alloc();
  size = size == 0 ? 1 : size;
  void* memory =
      alignment <= alignof(std::max_align_t)
          ? std::malloc(size)
          : std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment);
  if (memory == nullptr) throw std::bad_alloc();
  return memory;
}

}  // namespace

void RefuseAllocationsWhen(AllocationRefusal refuse) noexcept {
  refusal = refuse;
}

// Every form frees through std::free, so that a sanitizer's own operator new and delete are never
// paired with these.
void* operator new(std::size_t size) {
  return Allocate(size, 0);
}
void* operator new[](std::size_t size) {
  return Allocate(size, 0);
}
void* operator new(std::size_t size, std::align_val_t alignment) {
  return Allocate(size, static_cast<std::size_t>(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
  return Allocate(size, static_cast<std::size_t>(alignment));
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete[](void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
  std::free(p);
}
