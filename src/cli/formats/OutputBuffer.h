#pragma once

#include <algorithm>
#include <ostream>
#include <string>
#include <string_view>

#include "CodePage.h"

// Calls `append` with the pieces of `text` in order: the runs of bytes that `escapeOf` gives no
// text for as they stand, and each other byte as the text `escapeOf` gives it.
template <class EscapeOf, class Append>
void AppendEscaped(std::string_view text, EscapeOf escapeOf, Append append) {
  for (;;) {
    const auto special = std::ranges::find_if(text, [&](char c) { return !escapeOf(c).empty(); });
    append(std::string_view(text.begin(), special));
    if (special == text.end()) return;
    append(escapeOf(*special));
    text = std::string_view(special + 1, text.end());
  }
}

// Collects a listing's text and hands it to the stream in large pieces, so that a report of many
// passes is not written a field at a time.
class OutputBuffer {
 public:
  explicit OutputBuffer(std::ostream& out) : out_(out) { text_.reserve(2 * kPiece); }

  OutputBuffer& operator<<(std::string_view text) {
    text_ += text;
    return *this;
  }
  OutputBuffer& operator<<(char c) {
    text_ += c;
    return *this;
  }
  // Appends an ANSI text as UTF-8.
  void AppendUtf8(std::string_view ansi) { AppendAnsiAsUtf8(ansi, text_); }
  // Appends an ANSI text as UTF-8 with the escapes of `escapeOf`, which must be ASCII and escape
  // only ASCII bytes: no byte of a converted character is ASCII, so escaping before the
  // conversion writes what escaping after it would.
  template <class EscapeOf>
  void AppendUtf8(std::string_view ansi, EscapeOf escapeOf) {
    AppendEscaped(ansi, escapeOf, [this](std::string_view piece) { AppendUtf8(piece); });
  }
  // Hands the text over when enough has gathered; call at the end of each line.
  void EndLine() {
    if (text_.size() >= kPiece) Flush();
  }
  void Flush();

 private:
  static constexpr std::size_t kPiece = 1 << 16;

  std::ostream& out_;
  std::string text_;
};
