#include "PassTable.h"

#include <utility>

PassTable OptItems;

void SwapRowFields(CItem_OPT& a, CItem_OPT& b) noexcept {
  using std::swap;
  swap(a.Index, b.Index);
  swap(a.Profit, b.Profit);
  swap(a.Trades, b.Trades);
  swap(a.ProfitFactor, b.ProfitFactor);
  swap(a.ExpectedPayoff, b.ExpectedPayoff);
  swap(a.DrawdownMoney, b.DrawdownMoney);
  swap(a.DrawdownPercent, b.DrawdownPercent);
}

PassTable::PassTable() : items_(kCapacity) {}

void PassTable::GrowTo(std::size_t records) {
  if (records > items_.size()) items_.resize(records);
}
