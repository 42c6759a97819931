#include "formats/OutputBuffer.h"

#include <algorithm>

#include "CodePage.h"

std::string_view Utf8Of(std::string_view ansi, std::string& scratch) {
  if (std::ranges::all_of(ansi, [](char c) { return (c & 0x80) == 0; })) return ansi;
  scratch = AnsiToUtf8(ansi);
  return scratch;
}

void OutputBuffer::Flush() {
  out_.write(text_.data(), static_cast<std::streamsize>(text_.size()));
  text_.clear();
}
