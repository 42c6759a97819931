#include <windows.h>

#include <core/platform/CodePageBackend.h>

namespace kvl::core {

// A multi-byte ANSI code page (Japanese, Chinese, Korean, or UTF-8 where the system is set to it)
// cannot hold a text one byte per character; reports are then read in the code page they are
// made in.
unsigned SystemAnsiCodePage() {
  const UINT system = ::GetACP();
  CPINFO info{};
  return ::GetCPInfo(system, &info) && info.MaxCharSize == 1 ? system : 1251;
}

}  // namespace kvl::core
