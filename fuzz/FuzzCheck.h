#pragma once

#include <cstdio>
#include <cstdlib>

// Ends the run as a finding when a property does not hold; libFuzzer then keeps the input that
// broke it.
#define FUZZ_CHECK(condition)                                                                      \
  do {                                                                                             \
    if (!(condition)) {                                                                            \
      std::fprintf(stderr, "%s:%d: property does not hold: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                                \
    }                                                                                              \
  } while (false)
