#include "ReportGenerator.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "CodePageText.h"
#include "ReportTranslation.h"

namespace {

constexpr const char* kHeadLines[] = {
    "<html>",
    "<head>",
    "<title>Strategy Tester: MovingTrend</title>",
    "<meta name=\"generator\" content=\"MetaQuotes Software Corp.\">",
    "<link rel=\"help\" href=\"http://www.metaquotes.net\">",
    "<style type=\"text/css\" media=\"screen\">",
    "<!--",
    "td { font: 8pt Tahoma,Arial; }",
    "//-->",
    "</style>",
    "<style type=\"text/css\" media=\"print\">",
    "<!--",
    "td { font: 7pt Tahoma,Arial; }",
    "//-->",
    "</style>",
    "<style type=\"text/css\">",
    "<!--",
    ".msdate { mso-number-format:\"General Date\"; }",
    ".mspt   { mso-number-format:\\#\\,\\#\\#0\\.00;  }",
    "//-->",
    "</style>",
    "</head>",
    "<body topmargin=1 marginheight=1>",
    "<div align=center>",
    "<div style=\"font: 20pt Times New Roman\"><b>Отчет оптимизации</b></div>",
    "<div style=\"font: 16pt Times New Roman\"><b>MovingTrend</b></div>",
    "<div style=\"font: 10pt Times New Roman\"><b>Demo Broker Ltd.</b></div><br>",
    "<table width=820 cellspacing=1 cellpadding=3 border=0>",
    "<tr align=left><td colspan=2>Символ</td><td colspan=4>GBPUSD (Great Britain Pound vs US "
    "Dollar)</td></tr>",
    "<tr align=left><td colspan=2>Период</td><td colspan=4>1 Час (H1) 2019.01.02 00:00 - "
    "2023.12.29 "
    "23:00 (2019.01.01 - 2024.01.01)</td></tr>",
    "<tr align=left><td colspan=2>Модель</td><td colspan=4>Все тики (наиболее точный метод на "
    "основе всех наименьших доступных таймфреймов)</td></tr>",
    "<tr align=left><td colspan=2>Начальный депозит</td><td colspan=4>10000.00</td></tr>",
    "<tr align=left><td colspan=2>Спред</td><td colspan=4>Текущий (18)</td></tr>",
    "</table>",
    "<br>",
    "<img src=\"OptimizationReport.gif\" width=820 height=200 border=0 alt=\"Graph\">",
    "<br>",
    "<table width=820 cellspacing=1 cellpadding=3 border=0>",
    "<tr bgcolor=\"#C0C0C0\" align=right><td>Проход</td><td>Прибыль</td><td>Всего "
    "сделок</td><td>Прибыльность</td><td>Матожидание</td><td>Просадка $</td><td>Просадка "
    "%</td></tr>",
};

constexpr const char* kTailLines[] = {"</table>", "</div></body></html>"};

constexpr const char* kLineBreak = "\r\n";

}  // namespace

std::string ReportHead(ReportLanguage language) {
  std::string head;
  for (const char* line : kHeadLines) {
    head += CodePageTextFromUtf8(line, WindowsCodePage::k1251) + kLineBreak;
  }
  return TranslatedReport(head, language);
}

std::string ResultsHeaderLine(ReportLanguage language) {
  return TranslatedReport(CodePageTextFromUtf8(std::end(kHeadLines)[-1], WindowsCodePage::k1251),
                          language);
}

std::string ReportRow(const GeneratedPass& pass, std::size_t rowIndex) {
  return ReportRowLine(pass, rowIndex) + kLineBreak;
}

std::string ReportRowLine(const GeneratedPass& pass, std::size_t rowIndex) {
  std::string row = rowIndex % 2 == 0 ? "<tr align=right>" : "<tr bgcolor=\"#E0E0E0\" align=right>";
  row += "<td title=\"" + pass.title + "\">" + pass.number + "</td>";
  row += "<td class=mspt>" + pass.profit + "</td>";
  row += "<td>" + pass.trades + "</td>";
  for (const std::string* cell :
       {&pass.profitFactor, &pass.expectedPayoff, &pass.drawdownMoney, &pass.drawdownPercent}) {
    row += "<td class=mspt>" + *cell + "</td>";
  }
  row += "</tr>";
  return row;
}

std::string ReportTail() {
  std::string tail;
  for (const char* line : kTailLines) tail += std::string(line) + kLineBreak;
  return tail;
}

std::string StoredParams(const GeneratedPass& pass) {
  return pass.title + "\">" + pass.number;
}

void WriteReport(std::ostream& out, std::size_t passes, std::uint64_t seed,
                 ReportLanguage language) {
  out << ReportHead(language);
  std::size_t rowIndex = 0;
  ForEachGeneratedPass(passes, seed, [&out, &rowIndex](const GeneratedPass& pass) {
    out << ReportRow(pass, rowIndex++);
  });
  out << ReportTail();
}

std::string GenerateReport(std::size_t passes, std::uint64_t seed, ReportLanguage language) {
  std::ostringstream out;
  WriteReport(out, passes, seed, language);
  return std::move(out).str();
}

void WriteReportFile(const std::string& path, std::size_t passes, std::uint64_t seed,
                     ReportLanguage language) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error("cannot create \"" + path + "\"");
  WriteReport(out, passes, seed, language);
  out.close();
  if (!out) throw std::runtime_error("cannot write \"" + path + "\"");
}
