#include "StandardInput.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

#include <cli/translation/Translation.h>
#include <core/Exceptions.h>

namespace kvl::cli {

std::string ReadStandardInput() {
  constexpr std::size_t kChunk = std::size_t{1} << 20;
  std::string bytes;
  std::size_t got = 0;
  do {
    const std::size_t size = bytes.size();
    bytes.resize(size + kChunk);
    got = std::fread(bytes.data() + size, 1, kChunk, stdin);
    bytes.resize(size + got);
  } while (got == kChunk);
  if (std::ferror(stdin)) {
    throw core::Exception(
        Tr("Cannot read standard input. {1}", {std::generic_category().message(errno)}));
  }
  return bytes;
}

}  // namespace kvl::cli
