#pragma once

#include <exception>
#include <string>

namespace kvl::core {

// The failure family that handlers let through to the top-level error report. Messages are UTF-8.
class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const std::string& Message() const noexcept { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

// Ends a handler without any message to the user.
class EAbort : public Exception {
 public:
  using Exception::Exception;
};

// An allocation that cannot be met; std::bad_alloc is reported as this.
class EOutOfMemory : public Exception {
 public:
  EOutOfMemory() : Exception("Out of memory") {}
};

class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

class EFOpenError : public Exception {
 public:
  using Exception::Exception;
};

class EFCreateError : public Exception {
 public:
  using Exception::Exception;
};

class EWriteError : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace kvl::core
