#pragma once

#include <stdexcept>

namespace kvl::cli {

// A mistake in how the tool was called that the option parser cannot see; the tool answers it
// like the parser's own: the message, the command's usage and status 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace kvl::cli
