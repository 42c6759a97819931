#include <core/platform/CodePageBackend.h>

// A system without ANSI code pages reads reports in the code page they are made in.
unsigned SystemAnsiCodePage() {
  return 1251;
}
