#pragma once

#include <cstddef>
#include <memory>

#include "HugePageMemory.h"

namespace kvl::core {

struct ReleaseHugePageBytes {
  std::size_t bytes = 0;
  void operator()(char* p) const noexcept { ReleaseHugePageMemory(p, bytes); }
};

// An uninitialised byte buffer in huge-page memory, for the text of a report.
class TextBuffer {
 public:
  TextBuffer() = default;
  explicit TextBuffer(std::size_t capacity)
      : bytes_(static_cast<char*>(AllocateHugePageMemory(capacity)),
               ReleaseHugePageBytes{capacity}) {}

  char* data() const noexcept { return bytes_.get(); }
  std::size_t capacity() const noexcept { return bytes_.get_deleter().bytes; }

 private:
  std::unique_ptr<char[], ReleaseHugePageBytes> bytes_;
};

}  // namespace kvl::core
