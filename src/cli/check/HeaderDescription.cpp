#include "HeaderDescription.h"

#include <string_view>

namespace kvl::cli {

namespace {

std::string_view HowFound(core::HeaderLanguage language) {
  switch (language) {
    case core::HeaderLanguage::kEnglish:
      return "English captions";
    case core::HeaderLanguage::kByStructure:
      return "found by the table's structure";
    case core::HeaderLanguage::kRussian:
      break;
  }
  return "Russian captions";
}

}  // namespace

std::string HeaderDescription(const ReportCheck::Header& header) {
  std::string text = "line " + std::to_string(header.line) + ", ";
  text += HowFound(header.language);
  for (std::size_t k = 0; k < header.captions.size(); ++k) {
    text += k == 0 ? ": " : " | ";
    text += header.captions[k];
  }
  return text;
}

}  // namespace kvl::cli
