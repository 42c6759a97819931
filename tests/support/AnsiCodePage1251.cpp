#include <core/platform/CodePageBackend.h>

using namespace kvl::core;

// Windows-1251, the code page of the reports and of the tests' fixtures.
unsigned SystemAnsiCodePage() {
  return 1251;
}
