#pragma once

#include <algorithm>
#include <cstring>
#include <ostream>
#include <string>
#include <string_view>

#include <core/CodePage.h>

namespace kvl::cli {

// Collects a listing's text and hands it to the stream in large pieces, so that a report of many
// passes is not written a field at a time. Texts are written straight into its memory, which
// only grows when a line is longer than a piece.
class OutputBuffer {
 public:
  explicit OutputBuffer(std::ostream& out) : out_(out), text_(2 * kPiece, '\0') {}

  OutputBuffer& operator<<(std::string_view text) {
    std::memcpy(Room(text.size()), text.data(), text.size());
    used_ += text.size();
    return *this;
  }
  OutputBuffer& operator<<(char c) {
    *Room(1) = c;
    ++used_;
    return *this;
  }
  // Appends an ANSI text as UTF-8.
  void AppendUtf8(std::string_view ansi) {
    used_ += core::AnsiToUtf8(ansi, Room(ansi.size() * core::kMaxUtf8PerAnsi));
  }
  // Appends an ANSI text as UTF-8 with the escapes of `escapeOf`, which must escape only ASCII
  // bytes, each as at most kMaxUtf8PerAnsi ASCII bytes: no byte of a converted character is
  // ASCII, so escaping before the conversion writes what escaping after it would.
  template <class EscapeOf>
  void AppendUtf8(std::string_view ansi, EscapeOf escapeOf) {
    char* const start = Room(ansi.size() * core::kMaxUtf8PerAnsi);
    char* out = start;
    for (const char& c : ansi) {
      if ((c & 0x80) != 0) {
        out += core::AnsiToUtf8(std::string_view(&c, 1), out);
      } else if (const std::string_view escape = escapeOf(c); !escape.empty()) {
        out = std::ranges::copy(escape, out).out;
      } else {
        *out++ = c;
      }
    }
    used_ += static_cast<std::size_t>(out - start);
  }
  // Hands the text over when enough has gathered; call at the end of each line.
  void EndLine() {
    if (used_ >= kPiece) Flush();
  }
  void Flush();

 private:
  static constexpr std::size_t kPiece = 1 << 16;

  // Where the next `bytes` bytes go.
  char* Room(std::size_t bytes) {
    if (text_.size() - used_ < bytes) Grow(bytes);
    return text_.data() + used_;
  }
  void Grow(std::size_t bytes);

  std::ostream& out_;
  std::string text_;  // the first used_ bytes are the text
  std::size_t used_ = 0;
};

}  // namespace kvl::cli
