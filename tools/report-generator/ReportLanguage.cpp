#include "ReportLanguage.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr ReportLanguageName kLanguages[] = {
    {ReportLanguage::kRussian, "ru"}, {ReportLanguage::kEnglish, "en"},
    {ReportLanguage::kGerman, "de"},  {ReportLanguage::kSpanish, "es"},
    {ReportLanguage::kPolish, "pl"},  {ReportLanguage::kGreek, "el"},
};

}  // namespace

std::span<const ReportLanguageName> ReportLanguages() {
  return kLanguages;
}

std::optional<ReportLanguage> ReportLanguageNamed(std::string_view shortName) {
  const auto* named = std::ranges::find(kLanguages, shortName, &ReportLanguageName::shortName);
  if (named == std::end(kLanguages)) return std::nullopt;
  return named->language;
}
