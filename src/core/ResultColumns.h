#pragma once

#include <array>
#include <string_view>

#include "PassTable.h"

namespace kvl::core {

// A column of the results list. Its position in kResultColumns is its id, the number that
// chooses the sort key.
struct ResultColumn {
  std::string_view name;     // in the command-line tool's tab-separated output
  std::string_view caption;  // the window's header caption, UTF-8
  PassText PassRecord::*field;
  bool integerKey;  // compared through CellToInt, else through CellToFloat (CellKey)
};

inline constexpr std::array<ResultColumn, 7> kResultColumns = {{
    {"index", "Индекс", &PassRecord::Index, true},
    {"profit", "Прибыль", &PassRecord::Profit, false},
    {"trades", "Всего сделок", &PassRecord::Trades, true},
    {"profit-factor", "Прибыльность", &PassRecord::ProfitFactor, false},
    {"expected-payoff", "Мат. выигрыша", &PassRecord::ExpectedPayoff, false},
    {"drawdown", "Просадка $", &PassRecord::DrawdownMoney, false},
    {"drawdown-percent", "Просадка %", &PassRecord::DrawdownPercent, false},
}};

}  // namespace kvl::core
