#include "ReportFixture.h"

#include "CodePage.h"

std::string ReportText(const std::vector<FixturePass>& passes) {
  std::string text =
      "<html><body><table>\r\n"
      "<tr align=right><td>Проход</td><td>Прибыль</td><td>Всего сделок</td></tr>\r\n";
  int number = 0;
  for (const FixturePass& pass : passes) {
    text += "<tr align=right><td title=\"" + pass.params + "\">" + std::to_string(++number) +
            "</td><td class=mspt>" + pass.profit + "</td><td>" + pass.trades +
            "</td><td class=mspt>" + pass.profitFactor + "</td><td class=mspt>" +
            pass.expectedPayoff + "</td><td class=mspt>" + pass.drawdownMoney +
            "</td><td class=mspt>" + pass.drawdownPercent + "</td></tr>\r\n";
  }
  text += "</table></body></html>\r\n";
  return Utf8ToAnsi(text);
}

std::vector<FixturePass> NumberedPasses(const std::vector<std::vector<std::string>>& figures) {
  std::vector<FixturePass> passes;
  for (const auto& row : figures) {
    const std::size_t k = passes.size() + 1;
    passes.push_back({"P=" + std::to_string(k) + "; Q=" + std::to_string(k * 10) + "; ", row.at(0),
                      row.at(1), row.at(2), row.at(3), row.at(4), row.at(5)});
  }
  return passes;
}
