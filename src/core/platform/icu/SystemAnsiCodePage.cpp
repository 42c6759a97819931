#include <core/platform/CodePageBackend.h>

namespace kvl::core {

// A system without ANSI code pages reads reports in the code page they are made in.
unsigned SystemAnsiCodePage() {
  return 1251;
}

}  // namespace kvl::core
