#pragma once

#include <string>
#include <string_view>

#include "ReportLanguage.h"

// `russianReport`, the Windows-1251 bytes of a report saved by a Russian terminal, as a terminal
// in `language` would have saved it: the report's title, the labels and values of its summary
// table and the results header in that language and its code page. The generator's head lines
// and those of the hand-made fixtures translate; every other line stays as it is.
std::string TranslatedReport(std::string_view russianReport, ReportLanguage language);
