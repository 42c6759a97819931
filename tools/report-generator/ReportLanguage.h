#pragma once

#include <optional>
#include <span>
#include <string_view>

// The language of the MT4 terminal that saved a report. It decides the texts of the head and of
// the results header, and the Windows code page they are written in: Russian 1251, English,
// German and Spanish 1252, Polish 1250, Greek 1253. Data rows are the same in every language.
enum class ReportLanguage { kRussian, kEnglish, kGerman, kSpanish, kPolish, kGreek };

struct ReportLanguageName {
  ReportLanguage language;
  std::string_view shortName;  // ISO 639-1: "ru", "en", "de", "es", "pl", "el"
};

// Every language, Russian first.
std::span<const ReportLanguageName> ReportLanguages();
std::optional<ReportLanguage> ReportLanguageNamed(std::string_view shortName);
