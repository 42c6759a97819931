#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include <cli/CommandDispatch.h>
#include <core/CodePage.h>

namespace {

// The console shows the tool's UTF-8 for as long as it runs, and what it showed before after.
class Utf8Console {
 public:
  Utf8Console() : before_(::GetConsoleOutputCP()) {
    if (before_ != 0) ::SetConsoleOutputCP(CP_UTF8);
  }
  ~Utf8Console() {
    if (before_ != 0) ::SetConsoleOutputCP(before_);
  }
  Utf8Console(const Utf8Console&) = delete;
  Utf8Console& operator=(const Utf8Console&) = delete;

 private:
  UINT before_;  // 0 without a console
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> utf8;
  for (int k = 1; k < argc; ++k) {
    const std::wstring_view arg(argv[k]);
    utf8.push_back(
        kvl::core::Utf16ToUtf8({reinterpret_cast<const char16_t*>(arg.data()), arg.size()}));
  }
  const std::vector<std::string_view> args(utf8.begin(), utf8.end());

  // Lines end in LF as they do elsewhere; a set file's CR LF stays as it is, and a report piped
  // in reaches the load byte for byte.
  ::_setmode(::_fileno(stdin), _O_BINARY);
  ::_setmode(::_fileno(stdout), _O_BINARY);
  ::_setmode(::_fileno(stderr), _O_BINARY);
  const Utf8Console console;
  std::ios::sync_with_stdio(false);
  return kvl::cli::DispatchCommand(args, std::cout, std::cerr);
}
