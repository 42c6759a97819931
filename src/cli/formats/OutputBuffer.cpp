#include "formats/OutputBuffer.h"

void OutputBuffer::Flush() {
  out_.write(text_.data(), static_cast<std::streamsize>(text_.size()));
  text_.clear();
}
