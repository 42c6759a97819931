#include "CheckJson.h"

#include <nlohmann/json.hpp>
#include <string_view>

#include <cli/ReadableJson.h>
#include <core/CodePage.h>

#include "EncodingName.h"

namespace kvl::cli {

namespace {

using Json = nlohmann::ordered_json;

std::string_view FoundBy(core::HeaderLanguage language) {
  switch (language) {
    case core::HeaderLanguage::kEnglish:
      return "english-captions";
    case core::HeaderLanguage::kByStructure:
      return "table-structure";
    case core::HeaderLanguage::kRussian:
      break;
  }
  return "russian-captions";
}

// A list as its count and its first kMostShown items, each made JSON by `item`.
template <class Item, class ToJson>
Json Counted(std::size_t count, const std::vector<Item>& items, ToJson item) {
  Json first = Json::array();
  for (std::size_t k = 0; k < items.size() && k < kMostShown; ++k) first.push_back(item(items[k]));
  return {{"count", count}, {"first", std::move(first)}};
}

template <class Item, class ToJson>
Json Counted(const std::vector<Item>& items, ToJson item) {
  return Counted(items.size(), items, item);
}

// Numbers stand for themselves.
constexpr auto kSame = [](auto number) { return Json(number); };

Json HeaderJson(const std::optional<ReportCheck::Header>& header) {
  if (!header) return nullptr;
  return {{"line", header->line},
          {"foundBy", FoundBy(header->language)},
          {"captions", header->captions}};
}

Json PassNumbersJson(const PassNumbers& numbers) {
  return {{"lowest", numbers.span ? Json(numbers.span->first) : Json(nullptr)},
          {"highest", numbers.span ? Json(numbers.span->last) : Json(nullptr)},
          {"missing", numbers.missing},
          {"gaps", Counted(numbers.gaps,
                           [](const PassNumbers::Range& gap) {
                             return Json{{"from", gap.first}, {"to", gap.last}};
                           })},
          {"repeated", Counted(numbers.repeats,
                               [](const PassNumbers::Repeat& repeat) {
                                 return Json{{"number", repeat.number}, {"rows", repeat.times}};
                               })},
          {"notNumbers", Counted(numbers.notNumbers, kSame)}};
}

Json RefusalsJson(const ReportCheck& check) {
  Json columns = Json::object();
  for (std::size_t id = 1; id < core::kResultColumns.size(); ++id) {
    const ReportCheck::Refusals& refusals = check.refusals[id];
    columns[std::string(core::kResultColumns[id].name)] =
        Counted(refusals.count, refusals.first, [](const ReportCheck::Refusal& refusal) {
          return Json{{"pass", refusal.pass}, {"text", refusal.text}};
        });
  }
  return columns;
}

}  // namespace

void WriteCheckJson(std::ostream& out, const ReportCheck& check) {
  const Json json = {
      {"encoding", EncodingName(check.encoding)},
      {"byteOrderMark", check.encoding != core::ReportFile::Encoding::Ansi},
      {"utf8WithoutMark", check.utf8WithoutMark},
      {"systemCodePage", core::AnsiCodePageName()},
      {"header", HeaderJson(check.header)},
      {"passes", check.passes},
      {"skippedLines", Counted(check.skippedLines, kSame)},
      {"oddStoredLines", Counted(check.oddStoredLines, kSame)},
      {"passNumbers", PassNumbersJson(check.numbers)},
      {"refusedCells", RefusalsJson(check)},
      {"clean", check.Clean()},
  };
  WriteReadableJson(out, json);
}

}  // namespace kvl::cli
