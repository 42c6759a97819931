#pragma once

#include <cstddef>

// Counts the bytes that operator new hands out, so a benchmark can report the peak heap of the
// work it measures.
namespace heap_counter {

// Starts a new peak from the bytes in use now.
void ResetPeak();
std::size_t InUse();
std::size_t Peak();

}  // namespace heap_counter
