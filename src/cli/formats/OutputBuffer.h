#pragma once

#include <ostream>
#include <string>
#include <string_view>

// `ansi` as UTF-8: the text itself when it is ASCII, which cells mostly are, else its conversion,
// kept in `scratch`.
std::string_view Utf8Of(std::string_view ansi, std::string& scratch);

// Collects a listing's text and hands it to the stream in large pieces, so that a report of many
// passes is not written a field at a time.
class OutputBuffer {
 public:
  explicit OutputBuffer(std::ostream& out) : out_(out) {}

  OutputBuffer& operator<<(std::string_view text) {
    text_ += text;
    return *this;
  }
  OutputBuffer& operator<<(char c) {
    text_ += c;
    return *this;
  }
  // Appends an ANSI text as UTF-8.
  void AppendUtf8(std::string_view ansi) { text_ += Utf8Of(ansi, scratch_); }
  // Hands the text over when enough has gathered; call at the end of each line.
  void EndLine() {
    if (text_.size() >= kPiece) Flush();
  }
  void Flush();

 private:
  static constexpr std::size_t kPiece = 1 << 16;

  std::ostream& out_;
  std::string text_;
  std::string scratch_;
};
