#pragma once

#include <cstddef>
#include <string>

namespace kvl::cli {

// The most bytes of UTF-8 that one file name may hold everywhere: Linux file systems take 255
// bytes, Windows ones 255 UTF-16 units, which never come to more bytes.
inline constexpr std::size_t kMaxFileNameBytes = 255;

// `name` (UTF-8) as every system holds it, so that files named here copy to Windows unchanged:
// every control and < > : " / \ | ? * becomes '_', the dots and blanks at its end, which Windows
// drops, are dropped, and a device name that Windows reserves (CON, PRN, AUX, NUL, COM1 to COM9,
// LPT1 to LPT9, in any case, alone or before a dot or blanks) gets a '_' after it: "nul.set"
// becomes "nul_.set".
std::string PortableFileName(std::string name);

}  // namespace kvl::cli
