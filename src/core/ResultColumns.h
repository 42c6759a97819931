#pragma once

#include <array>
#include <string_view>

#include "PassTable.h"

// A column of the results list. Its position in kResultColumns is its id, the number that
// chooses the sort key.
struct ResultColumn {
  std::string_view name;     // in the command-line tool's tab-separated output
  std::string_view caption;  // the window's header caption, UTF-8
  PassText CItem_OPT::*field;
  bool integerKey;  // compared through CellToInt, else through CellToFloat (CellKey)
};

inline constexpr std::array<ResultColumn, 7> kResultColumns = {{
    {"index", "Индекс", &CItem_OPT::Index, true},
    {"profit", "Прибыль", &CItem_OPT::Profit, false},
    {"trades", "Всего сделок", &CItem_OPT::Trades, true},
    {"profit-factor", "Прибыльность", &CItem_OPT::ProfitFactor, false},
    {"expected-payoff", "Мат. выигрыша", &CItem_OPT::ExpectedPayoff, false},
    {"drawdown", "Просадка $", &CItem_OPT::DrawdownMoney, false},
    {"drawdown-percent", "Просадка %", &CItem_OPT::DrawdownPercent, false},
}};
