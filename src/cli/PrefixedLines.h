#pragma once

#include <ostream>
#include <streambuf>
#include <string>

namespace kvl::cli {

// A stream onto `target` that starts each line written to it with `prefix`, so that every
// message on standard error, whoever writes it, names the program that wrote it.
class PrefixedLines : public std::ostream {
 public:
  PrefixedLines(std::ostream& target, std::string prefix);

 private:
  class Buffer : public std::streambuf {
   public:
    Buffer(std::ostream& target, std::string prefix);

   protected:
    int_type overflow(int_type c) override;
    int sync() override;

   private:
    std::ostream& target_;
    std::string prefix_;
    bool lineStart_ = true;
  };

  Buffer buffer_;
};

}  // namespace kvl::cli
