#include <iostream>
#include <string_view>
#include <vector>

#include <cli/translation/Translation.h>

#include "CommandDispatch.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  kvl::cli::UseUserLanguage();
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  return kvl::cli::DispatchCommand(args, std::cout, std::cerr);
}
