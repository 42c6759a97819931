#include "ReportTranslation.h"

#include <vector>

#include "LanguageTexts.h"

namespace {

// The texts of `language` with the markup around them in the report, which keeps them from
// matching inside a parameter's text, in its code page. Every language lists them in one order.
std::vector<std::string> MarkedPhrases(ReportLanguage language) {
  const LanguageTexts& texts = LanguageTextsOf(language);
  const auto label = [](std::string_view text) {
    return "<td colspan=2>" + std::string(text) + "</td>";
  };
  const auto value = [](std::string_view text) { return "<td colspan=4>" + std::string(text); };
  std::string captionRow = "<tr bgcolor=\"#C0C0C0\" align=right>";
  for (const std::string_view caption : texts.captions) {
    captionRow += "<td>" + std::string(caption) + "</td>";
  }
  captionRow += "</tr>";
  std::vector<std::string> phrases = {
      "<b>" + std::string(texts.title) + "</b>",
      label(texts.symbol),
      label(texts.period),
      label(texts.model),
      label(texts.initialDeposit),
      label(texts.spread),
      value(texts.hourlyPeriod) + " ",
      value(texts.everyTickModel) + "</td>",
      value(texts.controlPointsModel) + "</td>",
      value(texts.currentSpread) + " (",
      captionRow,
  };
  for (std::string& phrase : phrases) phrase = CodePageTextFromUtf8(phrase, texts.codePage);
  return phrases;
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

}  // namespace

std::string TranslatedReport(std::string_view russianReport, ReportLanguage language) {
  const std::vector<std::string> russian = MarkedPhrases(ReportLanguage::kRussian);
  const std::vector<std::string> translated = MarkedPhrases(language);
  std::string report(russianReport);
  for (std::size_t i = 0; i < russian.size(); ++i) ReplaceAll(report, russian[i], translated[i]);
  return report;
}
