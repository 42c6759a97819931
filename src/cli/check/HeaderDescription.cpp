#include "HeaderDescription.h"

#include <cli/translation/Translation.h>

namespace kvl::cli {

namespace {

const char* HowFound(core::HeaderLanguage language) {
  switch (language) {
    case core::HeaderLanguage::kEnglish:
      return Tr("English captions");
    case core::HeaderLanguage::kByStructure:
      return Tr("found by the table's structure");
    case core::HeaderLanguage::kRussian:
      break;
  }
  return Tr("Russian captions");
}

}  // namespace

std::string HeaderDescription(const ReportCheck::Header& header) {
  const std::string line = std::to_string(header.line);
  if (header.captions.empty()) {
    // TRANSLATORS: The line of the report's results header and how it was recognised: "line 39,
    // Russian captions".
    return Tr("line {1}, {2}", {line, HowFound(header.language)});
  }
  std::string captions;
  for (std::size_t k = 0; k < header.captions.size(); ++k) {
    if (k) captions += " | ";
    captions += header.captions[k];
  }
  // TRANSLATORS: As "line {1}, {2}", then the header's captions: "line 39, Russian captions:
  // Проход | Прибыль | ...".
  return Tr("line {1}, {2}: {3}", {line, HowFound(header.language), captions});
}

}  // namespace kvl::cli
