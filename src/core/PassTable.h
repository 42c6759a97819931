#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Pass texts are byte strings in the ANSI code page; positions and lengths count bytes.
using AnsiString = std::string;

struct CItem_OPT {
  AnsiString Index;
  AnsiString Params;
  AnsiString Profit;
  AnsiString Trades;
  AnsiString ProfitFactor;
  AnsiString ExpectedPayoff;
  AnsiString DrawdownMoney;
  AnsiString DrawdownPercent;
};

// The seven fields that travel together as a row when the passes are sorted.
inline constexpr AnsiString CItem_OPT::*kRowFields[] = {
    &CItem_OPT::Index,          &CItem_OPT::Profit,         &CItem_OPT::Trades,
    &CItem_OPT::ProfitFactor,   &CItem_OPT::ExpectedPayoff, &CItem_OPT::DrawdownMoney,
    &CItem_OPT::DrawdownPercent};

// Exchanges the seven fields a sort moves. Params stays, so the parameters of pass k remain in
// slot k-1 whatever order the rows are in.
void SwapRowFields(CItem_OPT& a, CItem_OPT& b) noexcept;

class PassTable {
 public:
  static constexpr std::size_t kCapacity = 120000;

  PassTable();

  CItem_OPT& operator[](std::size_t slot) { return items_[slot]; }
  const CItem_OPT& operator[](std::size_t slot) const { return items_[slot]; }
  std::size_t Size() const noexcept { return items_.size(); }

  // Makes room for at least `records` slots; only a report larger than kCapacity needs this.
  // Existing slots keep their texts.
  void GrowTo(std::size_t records);

 private:
  std::vector<CItem_OPT> items_;
};
