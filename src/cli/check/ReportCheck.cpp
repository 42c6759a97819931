#include "ReportCheck.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include <cli/reports/ReportInput.h>
#include <core/CellKey.h>
#include <core/CodePage.h>
#include <core/Exceptions.h>
#include <core/ReportLoader.h>
#include <core/Utf8Text.h>
#include <core/resultsheader/TableStructure.h>

namespace kvl::cli {

namespace {

// A results row as MT4 writes it: "<tr ...><td title=...>N</td>" and six more cells, "</tr>".
bool LooksLikeDataRow(std::string_view line) {
  const std::size_t start = line.find_first_not_of(" \t");
  const std::size_t end = line.find_last_not_of(" \t");
  if (start == std::string_view::npos) return false;
  line = line.substr(start, end - start + 1);
  std::size_t cells = 0;
  for (std::size_t at = line.find("</td>"); at != std::string_view::npos;
       at = line.find("</td>", at + 1)) {
    ++cells;
  }
  return line.starts_with("<tr") && line.ends_with("</tr>") &&
         line.find("<td title=") != std::string_view::npos && cells == core::kResultColumns.size();
}

void CheckCells(const core::PassRecord& row, std::size_t pass, ReportCheck& check) {
  for (std::size_t id = 1; id < core::kResultColumns.size(); ++id) {
    const core::ResultColumn& column = core::kResultColumns[id];
    const std::string_view cell = row.*column.field;
    try {
      static_cast<void>(core::CellKey(column, cell));
    } catch (const core::EConvertError&) {
      ReportCheck::Refusals& refusals = check.refusals[id];
      if (refusals.count++ < kMostShown) refusals.first.push_back({pass, core::AnsiToUtf8(cell)});
    }
  }
}

// Gathers the findings from what the load tells of each line.
class CheckingListener final : public core::ReportLineListener {
 public:
  explicit CheckingListener(ReportCheck& check) : check_(check) {}

  void TextEncoding(core::ReportFile::Encoding encoding) override { check_.encoding = encoding; }

  void Header(std::size_t line, core::HeaderLanguage language, std::string_view text) override {
    if (check_.header) {
      check_.skippedLines.push_back(line);
      return;
    }
    // Assigned, not emplaced: clang 14 takes a nested class whose members have initializers for
    // one that cannot be default-constructed when optional asks, inside the enclosing class.
    check_.header = ReportCheck::Header();
    ReportCheck::Header& header = *check_.header;
    header.line = line;
    header.language = language;
    for (const std::string_view caption : core::CaptionsOfCaptionRow(text)) {
      header.captions.push_back(core::AnsiToUtf8(caption));
    }
  }

  void Skipped(std::size_t line) override {
    if (check_.header) check_.skippedLines.push_back(line);
  }

  void Stored(std::size_t line, std::string_view text, const core::PassRecord& pass) override {
    ++check_.passes;
    if (!LooksLikeDataRow(text)) check_.oddStoredLines.push_back(line);
    // Copied: the pass's number is written over the start of the line once it is stored.
    firstCells_.emplace_back(FirstCellText(text));
    CheckCells(pass, check_.passes, check_);
  }

  void Finish() { check_.numbers = CheckPassNumbers({firstCells_.begin(), firstCells_.end()}); }

 private:
  ReportCheck& check_;
  std::vector<std::string> firstCells_;
};

// Tested on the bytes before the load, which writes the pass numbers over the stored lines'
// starts.
bool IsUtf8WithoutMark(const core::ReportFile& file) {
  return file.encoding == core::ReportFile::Encoding::Ansi && core::LooksLikeUtf8(file.body);
}

}  // namespace

bool ReportCheck::Clean() const {
  return header && !utf8WithoutMark && numbers.gaps.empty() && numbers.notNumbers.empty() &&
         std::ranges::all_of(refusals, [](const Refusals& r) { return r.count == 0; });
}

ReportCheck CheckReport(const std::string& report) {
  ReportInput input(report);
  ReportCheck check;
  core::ReportFile file = input.Read();
  check.utf8WithoutMark = IsUtf8WithoutMark(file);
  CheckingListener listener(check);
  core::PassTable table;
  core::LoadReport(std::move(file), table, listener);
  listener.Finish();
  return check;
}

}  // namespace kvl::cli
