#include "AllocationGate.h"

#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

AllocationRefusal refusal = nullptr;

void* Allocate(std::size_t size) {
  if (refusal != nullptr && refusal(size)) throw std::bad_alloc();
  void* memory = std::malloc(size == 0 ? 1 : size);
  if (memory == nullptr) throw std::bad_alloc();
  return memory;
}

// Not every C library has aligned_alloc (Windows' has not), so an aligned block is cut from a
// larger one, whose address it keeps just before itself.
void* AllocateAligned(std::size_t size, std::align_val_t alignment) {
  const auto align = static_cast<std::size_t>(alignment);
  if (size > SIZE_MAX - align - sizeof(void*)) throw std::bad_alloc();
  if (refusal != nullptr && refusal(size)) throw std::bad_alloc();
  void* block = std::malloc(size + align + sizeof(void*));
  if (block == nullptr) throw std::bad_alloc();
  const auto start = reinterpret_cast<std::uintptr_t>(block) + sizeof(void*);
  void** aligned = reinterpret_cast<void**>((start + align - 1) / align * align);
  aligned[-1] = block;
  return aligned;
}

void FreeAligned(void* p) noexcept {
  if (p != nullptr) std::free(static_cast<void**>(p)[-1]);
}

}  // namespace

void RefuseAllocationsWhen(AllocationRefusal refuse) noexcept {
  refusal = refuse;
}

// Every form allocates with std::malloc and frees through std::free, so that a sanitizer's own
// operator new and delete are never paired with these.
void* operator new(std::size_t size) {
  return Allocate(size);
}
void* operator new[](std::size_t size) {
  return Allocate(size);
}
void* operator new(std::size_t size, std::align_val_t alignment) {
  return AllocateAligned(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
  return AllocateAligned(size, alignment);
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
  FreeAligned(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
  FreeAligned(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
  FreeAligned(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
  FreeAligned(p);
}
