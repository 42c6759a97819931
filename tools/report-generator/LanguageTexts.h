#pragma once

#include <array>
#include <string_view>

#include "CodePageText.h"
#include "ReportLanguage.h"

// What a terminal writes in its own language in the head of an optimization report and in the
// results header, in UTF-8; `codePage` is the one the terminal saves them in.
struct LanguageTexts {
  WindowsCodePage codePage;
  std::string_view title;
  // The labels of the summary table.
  std::string_view symbol;
  std::string_view period;
  std::string_view model;
  std::string_view initialDeposit;
  std::string_view spread;
  // Values of the summary table: the hourly chart's name, the descriptions of the "every tick"
  // and "control points" models, and the word before the spread when it is the current one.
  std::string_view hourlyPeriod;
  std::string_view everyTickModel;
  std::string_view controlPointsModel;
  std::string_view currentSpread;
  // Pass, profit, total trades, profit factor, expected payoff, drawdown $, drawdown %.
  std::array<std::string_view, 7> captions;
};

const LanguageTexts& LanguageTextsOf(ReportLanguage language);
