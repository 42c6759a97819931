#include "AllocationLimit.h"

#include <stdlib.h>

#include <cstdlib>
#include <limits>
#include <new>

namespace {

std::size_t refusedFrom = std::numeric_limits<std::size_t>::max();

void* Allocate(std::size_t size) {
  if (size >= refusedFrom) throw std::bad_alloc();
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}

void* AllocateAligned(std::size_t size, std::align_val_t alignment) {
  if (size >= refusedFrom) throw std::bad_alloc();
  void* memory = nullptr;
  if (::posix_memalign(&memory, static_cast<std::size_t>(alignment), size == 0 ? 1 : size) == 0) {
    return memory;
  }
  throw std::bad_alloc();
}

}  // namespace

AllocationLimit::AllocationLimit(std::size_t limit) {
  refusedFrom = limit;
}

AllocationLimit::~AllocationLimit() {
  refusedFrom = std::numeric_limits<std::size_t>::max();
}

// Every form that allocates through Allocate frees through std::free, so that a sanitizer's own
// operator new and delete are never paired with these.
void* operator new(std::size_t size) {
  return Allocate(size);
}
void* operator new[](std::size_t size) {
  return Allocate(size);
}
void operator delete(void* memory) noexcept {
  std::free(memory);
}
void operator delete[](void* memory) noexcept {
  std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
  std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
  std::free(memory);
}
// The report's text is allocated aligned to huge pages, so the aligned forms are limited too.
void* operator new(std::size_t size, std::align_val_t alignment) {
  return AllocateAligned(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
  return AllocateAligned(size, alignment);
}
void operator delete(void* memory, std::align_val_t) noexcept {
  std::free(memory);
}
void operator delete[](void* memory, std::align_val_t) noexcept {
  std::free(memory);
}
void operator delete(void* memory, std::size_t, std::align_val_t) noexcept {
  std::free(memory);
}
void operator delete[](void* memory, std::size_t, std::align_val_t) noexcept {
  std::free(memory);
}
