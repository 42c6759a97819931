#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <cli/rows/ListedColumns.h>
#include <core/PassTable.h>
#include <core/ResultColumns.h>

namespace kvl::cli {

// A file name made from a row's cells: "{index}_pf{profit-factor}.set" names the pass numbered 7
// whose profit factor is 1.84 "7_pf1.84.set".
class FileNameTemplate {
 public:
  // Every "{" opens the tab-separated name of a result column or of one of the figure columns
  // `added`, closed by "}"; all else is taken as it stands. Raises UsageError for an unclosed
  // brace and for a name that is no column. The figures' texts must outlive the template.
  explicit FileNameTemplate(std::string_view text, std::span<const ListedColumn> added = {});

  // The name for the row listed in `slot`, UTF-8, made a PortableFileName.
  std::string NameFor(const core::PassTable& table, std::size_t slot) const;

 private:
  struct Piece {
    std::string text;                            // taken as it stands
    const core::ResultColumn* column = nullptr;  // or this column's cell
    std::span<const std::string_view> figures;   // or this figure of the pass, when not empty
  };
  std::vector<Piece> pieces_;
};

}  // namespace kvl::cli
