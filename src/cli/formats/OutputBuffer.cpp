#include "OutputBuffer.h"

namespace kvl::cli {

void OutputBuffer::Flush() {
  out_.write(text_.data(), static_cast<std::streamsize>(used_));
  used_ = 0;
}

void OutputBuffer::Grow(std::size_t bytes) {
  text_.resize(std::max(2 * text_.size(), used_ + bytes));
}

}  // namespace kvl::cli
