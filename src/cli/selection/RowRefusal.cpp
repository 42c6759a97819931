#include "RowRefusal.h"

#include <string>

#include <cli/translation/CoreMessages.h>
#include <cli/translation/Translation.h>
#include <core/CodePage.h>

namespace kvl::cli {

void RefuseRow(std::size_t row, const core::PassRecord& pass, std::string_view cell,
               const core::EConvertError& error) {
  throw core::EConvertError(
      // TRANSLATORS: {1} is the row's number in the listing, {2} the pass's, {3} the column such
      // as profit or param:Lots, {4} why its cell does not convert.
      Tr("Row {1} (pass {2}), {3}: {4}", {std::to_string(row), core::AnsiToUtf8(pass.Index), cell,
                                          TranslatedCoreMessage(error.Message())}));
}

}  // namespace kvl::cli
