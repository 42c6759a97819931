// The --name template of a batch export on arbitrary templates and cells, against a reading of
// the documented rules written apart from the code: the template's braces and columns, the cells
// converted by the code page's table, then the portable-name rules character by character. The
// export's own checks of the name are reached without writing: the pass is listed twice, so that
// a name the export takes is refused as shared by two passes.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include <cli/UsageError.h>
#include <cli/setfiles/BatchExport.h>
#include <cli/setfiles/FileNameTemplate.h>
#include <core/Exceptions.h>
#include <core/PassTable.h>

#include "FuzzCheck.h"
#include "Windows1251Model.h"

using namespace kvl;

namespace {

constexpr std::array<std::string_view, 7> kColumns = {
    "index",           "profit",   "trades",          "profit-factor",
    "expected-payoff", "drawdown", "drawdown-percent"};

// Index, Profit, Trades, ProfitFactor, ExpectedPayoff, DrawdownMoney, DrawdownPercent.
using Cells = std::array<std::string, kColumns.size()>;

bool IsForbidden(unsigned char byte) {
  return byte < 0x20 || byte == 0x7F ||
         std::string_view("<>:\"/\\|?*").find(static_cast<char>(byte)) != std::string_view::npos;
}

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

bool IsDeviceName(std::string_view stem) {
  const std::string upper = Upper(stem);
  if (upper == "CON" || upper == "PRN" || upper == "AUX" || upper == "NUL") return true;
  return upper.size() == 4 && (upper.substr(0, 3) == "COM" || upper.substr(0, 3) == "LPT") &&
         upper[3] >= '1' && upper[3] <= '9';
}

std::string PortableModel(const std::string& expanded) {
  std::string name;
  for (const char c : expanded) name += IsForbidden(static_cast<unsigned char>(c)) ? '_' : c;
  while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
  const std::size_t dot = std::min(name.find('.'), name.size());
  std::size_t stemEnd = dot;
  while (stemEnd > 0 && name[stemEnd - 1] == ' ') --stemEnd;
  if (IsDeviceName(std::string_view(name).substr(0, stemEnd))) name.insert(stemEnd, "_");
  return name;
}

struct Expansion {
  std::optional<std::string> name;  // before the portable-name rules
  std::string refusal;              // the usage error otherwise
};

Expansion ExpandModel(std::string_view text, const Cells& cells) {
  const std::string refused = "--name \"" + std::string(text) + "\": ";
  const std::string columns =
      "; the columns are index, profit, trades, profit-factor, expected-payoff, drawdown, "
      "drawdown-percent";
  std::string name;
  for (std::size_t at = 0; at < text.size();) {
    if (text[at] != '{') {
      name += text[at++];
      continue;
    }
    std::size_t close = at + 1;
    while (close < text.size() && text[close] != '}') ++close;
    if (close == text.size()) return {std::nullopt, refused + "a \"{\" is not closed" + columns};
    const std::string_view column = text.substr(at + 1, close - at - 1);
    const auto known = std::ranges::find(kColumns, column);
    if (known == kColumns.end()) {
      return {std::nullopt, refused + "{" + std::string(column) + "} is no column" + columns};
    }
    name += Windows1251ToUtf8Model(cells[static_cast<std::size_t>(known - kColumns.begin())]);
    at = close + 1;
  }
  return {name, {}};
}

// What the export says of the name it was given for a pass listed twice.
std::string ExportRefusal(const core::PassTable& table, const cli::FileNameTemplate& names) {
  const std::size_t slots[] = {0, 1};
  const cli::BatchExport batch{std::filesystem::temp_directory_path() / "kvl-name-fuzz-unwritten",
                               names, false, std::nullopt};
  std::ostringstream out;
  try {
    cli::ExportSetFiles(table, slots, batch, out);
  } catch (const core::Exception& error) {
    FUZZ_CHECK(out.str().empty());
    return error.Message();
  }
  FUZZ_CHECK(false);
  return {};
}

void CheckName(const std::string& name) {
  for (const char c : name) FUZZ_CHECK(!IsForbidden(static_cast<unsigned char>(c)));
  FUZZ_CHECK(name.empty() || (name.back() != '.' && name.back() != ' '));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string text = input.ConsumeRandomLengthString();
  // The template comes as a command-line argument, which holds no NUL byte; the cells may.
  if (text.find('\0') != std::string::npos) return 0;
  Cells cells;
  for (std::string& cell : cells) cell = input.ConsumeRandomLengthString();

  const Expansion expected = ExpandModel(text, cells);
  std::optional<cli::FileNameTemplate> names;
  try {
    names.emplace(text);
  } catch (const cli::UsageError& error) {
    FUZZ_CHECK(!expected.name);
    FUZZ_CHECK(error.what() == expected.refusal);
    return 0;
  }
  FUZZ_CHECK(expected.name);

  core::PassTable table;
  for (const std::size_t slot : {0u, 1u}) {
    table[slot] = {cells[0], {}, cells[1], cells[2], cells[3], cells[4], cells[5], cells[6]};
  }
  const std::string name = names->NameFor(table, 0);
  FUZZ_CHECK(name == PortableModel(*expected.name));
  CheckName(name);

  const std::string pass = "The name template gives pass " + cells[0];
  const std::string refusal = ExportRefusal(table, *names);
  if (name.empty()) {
    FUZZ_CHECK(refusal == pass + " the file name \"\", which names no file");
  } else if (name.size() > 255) {
    FUZZ_CHECK(refusal == pass + " the file name \"" + name +
                              "\", longer than the 255 bytes a file name may hold");
  } else {
    FUZZ_CHECK(refusal.starts_with(pass + " and pass " + cells[0] + " the same file "));
    FUZZ_CHECK(refusal.ends_with("; put {index} into it"));
  }
  return 0;
}
