#include "HeapCounter.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> inUse{0};
std::atomic<std::size_t> peak{0};

void Count(std::size_t bytes) {
  const std::size_t now = inUse += bytes;
  std::size_t seen = peak.load();
  while (now > seen && !peak.compare_exchange_weak(seen, now)) {
  }
}

void* Allocate(std::size_t size) {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p == nullptr) throw std::bad_alloc();
  Count(malloc_usable_size(p));
  return p;
}

void Release(void* p) noexcept {
  if (p == nullptr) return;
  inUse -= malloc_usable_size(p);
  std::free(p);
}

// An aligned allocation counts the bytes asked for, not the slack that aligning it takes, which
// holds nothing but that count, just before the allocation, and is never touched otherwise.
void* AllocateAligned(std::size_t size, std::align_val_t alignment) {
  const auto align = static_cast<std::size_t>(alignment);
  auto* block =
      static_cast<char*>(std::aligned_alloc(align, align + (size + align - 1) / align * align));
  if (block == nullptr) throw std::bad_alloc();
  char* p = block + align;
  reinterpret_cast<std::size_t*>(p)[-1] = size;
  Count(size);
  return p;
}

void ReleaseAligned(void* p, std::align_val_t alignment) noexcept {
  if (p == nullptr) return;
  inUse -= static_cast<std::size_t*>(p)[-1];
  std::free(static_cast<char*>(p) - static_cast<std::size_t>(alignment));
}

}  // namespace

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
  Release(p);
}
void operator delete[](void* p) noexcept {
  Release(p);
}
void operator delete(void* p, std::size_t) noexcept {
  Release(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  Release(p);
}

void operator delete(void* p, std::align_val_t alignment) noexcept {
  ReleaseAligned(p, alignment);
}
void operator delete[](void* p, std::align_val_t alignment) noexcept {
  ReleaseAligned(p, alignment);
}
void operator delete(void* p, std::size_t, std::align_val_t alignment) noexcept {
  ReleaseAligned(p, alignment);
}
void operator delete[](void* p, std::size_t, std::align_val_t alignment) noexcept {
  ReleaseAligned(p, alignment);
}

namespace heap_counter {

void ResetPeak() {
  peak = inUse.load();
}
std::size_t InUse() {
  return inUse;
}
std::size_t Peak() {
  return peak;
}

}  // namespace heap_counter
