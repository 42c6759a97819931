#include "PortableFileName.h"

#include <algorithm>
#include <string_view>

namespace kvl::cli {

namespace {

bool IsUnsafe(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7F ||
         std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos;
}

char Upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Whether Windows takes `stem`, the name before its first dot and without the blanks after it,
// for a device.
bool IsReservedStem(std::string_view stem) {
  std::string upper(stem);
  std::ranges::transform(upper, upper.begin(), Upper);
  if (upper == "CON" || upper == "PRN" || upper == "AUX" || upper == "NUL") return true;
  return upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) &&
         upper[3] >= '1' && upper[3] <= '9';
}

}  // namespace

std::string PortableFileName(std::string name) {
  std::ranges::replace_if(name, IsUnsafe, '_');
  name.erase(name.find_last_not_of(". ") + 1);
  const std::string_view stem = std::string_view(name).substr(0, name.find('.'));
  const std::size_t stemEnd = stem.find_last_not_of(' ') + 1;
  if (IsReservedStem(stem.substr(0, stemEnd))) name.insert(stemEnd, 1, '_');
  return name;
}

}  // namespace kvl::cli
