#pragma once

#include <string>

namespace kvl::cli {

// Reads standard input to its end, byte for byte: the tool's entry puts it in binary mode where
// the system would translate line breaks. Raises Exception ("Cannot read standard input. <system
// text>") when a read fails.
std::string ReadStandardInput();

}  // namespace kvl::cli
