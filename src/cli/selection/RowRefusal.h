#pragma once

#include <cstddef>
#include <string_view>

#include <core/Exceptions.h>
#include <core/PassTable.h>

namespace kvl::cli {

// Raises EConvertError for a cell that does not convert, naming its row (1 for the first listed),
// its pass and its cell, then what `error` says.
[[noreturn]] void RefuseRow(std::size_t row, const core::PassRecord& pass, std::string_view cell,
                            const core::EConvertError& error);

}  // namespace kvl::cli
