#include "RowRefusal.h"

#include <string>

#include <core/CodePage.h>

namespace kvl::cli {

void RefuseRow(std::size_t row, const core::PassRecord& pass, std::string_view cell,
               const core::EConvertError& error) {
  throw core::EConvertError("Row " + std::to_string(row) + " (pass " +
                            core::AnsiToUtf8(pass.Index) + "), " + std::string(cell) + ": " +
                            error.Message());
}

}  // namespace kvl::cli
