#include "PassTable.h"

void SwapRowFields(CItem_OPT& a, CItem_OPT& b) noexcept {
  for (const auto field : kRowFields) (a.*field).swap(b.*field);
}

PassTable::PassTable() : items_(kCapacity) {}

void PassTable::GrowTo(std::size_t records) {
  if (records > items_.size()) items_.resize(records);
}
