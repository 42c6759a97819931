#include "Utf8Text.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace kvl::core {

namespace {

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// The length of the well-formed sequence that starts at `at`, a byte beyond ASCII, else 0. The
// second byte's range excludes the overlong forms, the surrogates and what lies past U+10FFFF.
std::size_t SequenceLength(std::string_view bytes, std::size_t at) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[at + k]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (bytes.size() - at < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k) {
    if (!IsContinuation(byte(k))) return 0;
  }
  return length;
}

// Eight bytes at a time where none is beyond ASCII: reports are mostly ASCII markup and numbers.
bool EightAscii(const char* at) {
  std::uint64_t word = 0;
  std::memcpy(&word, at, sizeof word);
  return (word & 0x8080808080808080u) == 0;
}

}  // namespace

bool LooksLikeUtf8(std::string_view bytes) noexcept {
  bool beyondAscii = false;
  std::size_t at = 0;
  while (at < bytes.size()) {
    if (bytes.size() - at >= 8 && EightAscii(bytes.data() + at)) {
      at += 8;
    } else if (static_cast<unsigned char>(bytes[at]) < 0x80) {
      ++at;
    } else {
      const std::size_t length = SequenceLength(bytes, at);
      if (length == 0) return false;
      beyondAscii = true;
      at += length;
    }
  }
  return beyondAscii;
}

}  // namespace kvl::core
