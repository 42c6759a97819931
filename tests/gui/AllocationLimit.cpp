#include "AllocationLimit.h"

#include "AllocationGate.h"

namespace {

std::size_t refusedFrom = 0;

bool TooLarge(std::size_t size) {
  return size >= refusedFrom;
}

}  // namespace

AllocationLimit::AllocationLimit(std::size_t limit) {
  refusedFrom = limit;
  RefuseAllocationsWhen(TooLarge);
}

AllocationLimit::~AllocationLimit() {
  RefuseAllocationsWhen(nullptr);
}
