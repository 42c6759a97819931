#pragma once

#include <string>
#include <vector>

#include <core/PassTable.h>

// All eight fields of a pass in declaration order, so that a failed comparison prints them.
inline std::vector<std::string> AllFields(const kvl::core::PassRecord& p) {
  std::vector<std::string> fields;
  for (const kvl::core::PassText field : {p.Index, p.Params, p.Profit, p.Trades, p.ProfitFactor,
                                          p.ExpectedPayoff, p.DrawdownMoney, p.DrawdownPercent}) {
    fields.emplace_back(field);
  }
  return fields;
}
