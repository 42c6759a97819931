#pragma once

#include <span>
#include <string_view>

#include "PassTable.h"

// A pass field as the tool lists it: its name in tab-separated output and its caption in the
// table for people (the window's column caption).
struct PassColumn {
  std::string_view name;
  std::string_view caption;
  AnsiString CItem_OPT::*field;
};

// The window's seven columns in its order, so a column's position is its sort column number,
// followed by the parameter text.
inline constexpr PassColumn kPassColumns[] = {
    {"index", "Индекс", &CItem_OPT::Index},
    {"profit", "Прибыль", &CItem_OPT::Profit},
    {"trades", "Всего сделок", &CItem_OPT::Trades},
    {"profit-factor", "Прибыльность", &CItem_OPT::ProfitFactor},
    {"expected-payoff", "Мат. выигрыша", &CItem_OPT::ExpectedPayoff},
    {"drawdown", "Просадка $", &CItem_OPT::DrawdownMoney},
    {"drawdown-percent", "Просадка %", &CItem_OPT::DrawdownPercent},
    {"params", "Параметры", &CItem_OPT::Params},
};

inline constexpr std::size_t kResultColumnCount = 7;

// The seven result columns, and the parameter text after them when asked for.
inline constexpr std::span<const PassColumn> ListedColumns(bool withParams) {
  return std::span(kPassColumns).first(withParams ? kResultColumnCount + 1 : kResultColumnCount);
}
