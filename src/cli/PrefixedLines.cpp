#include "PrefixedLines.h"

#include <utility>

namespace kvl::cli {

PrefixedLines::PrefixedLines(std::ostream& target, std::string prefix)
    : std::ostream(nullptr), buffer_(target, std::move(prefix)) {
  rdbuf(&buffer_);
}

PrefixedLines::Buffer::Buffer(std::ostream& target, std::string prefix)
    : target_(target), prefix_(std::move(prefix)) {}

PrefixedLines::int_type PrefixedLines::Buffer::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  if (lineStart_) target_ << prefix_;
  const char byte = traits_type::to_char_type(c);
  target_.put(byte);
  lineStart_ = byte == '\n';
  return target_ ? c : traits_type::eof();
}

int PrefixedLines::Buffer::sync() {
  return target_.flush() ? 0 : -1;
}

}  // namespace kvl::cli
