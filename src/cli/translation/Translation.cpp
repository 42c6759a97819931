#include "Translation.h"

#include <system_error>

#if __has_include(<libintl.h>)
#include <libintl.h>

#include <clocale>
#define KVL_HAS_GETTEXT 1
#endif

namespace kvl::cli {

namespace {

[[maybe_unused]] constexpr const char* kTextDomain = "kvl-ridavu-cli";

std::string Counted(const char* one, const char* many, std::size_t count) {
#ifdef KVL_HAS_GETTEXT
  return dngettext(kTextDomain, one, many, count);
#else
  return count == 1 ? one : many;
#endif
}

}  // namespace

const char* Tr(const char* text) {
#ifdef KVL_HAS_GETTEXT
  return dgettext(kTextDomain, text);
#else
  return text;
#endif
}

std::string Tr(const char* text, std::initializer_list<std::string_view> values) {
  return Filled(Tr(text), {values.begin(), values.size()});
}

std::string TrCount(const char* one, const char* many, std::size_t count,
                    std::initializer_list<std::string_view> values) {
  return Filled(Counted(one, many, count), {values.begin(), values.size()});
}

std::string Filled(std::string_view text, std::span<const std::string_view> values) {
  std::string filled;
  filled.reserve(text.size());
  for (std::size_t k = 0; k < text.size();) {
    std::size_t end = k + 1;
    std::size_t n = 0;
    while (text[k] == '{' && end < text.size() && end - k <= 2 && text[end] >= '0' &&
           text[end] <= '9') {
      n = n * 10 + std::size_t(text[end++] - '0');
    }
    if (n >= 1 && n <= values.size() && end < text.size() && text[end] == '}') {
      filled += values[n - 1];
      k = end + 1;
    } else {
      filled += text[k++];
    }
  }
  return filled;
}

void UseUserLanguage() {
  std::error_code error;
  const std::filesystem::path program =
      std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
  if (error) return;
  const std::filesystem::path built = program / "locale";
  UseUserLanguage(
      std::filesystem::is_directory(built, error) ? built : program / ".." / "share" / "locale");
}

void UseUserLanguage([[maybe_unused]] const std::filesystem::path& folder) {
#ifdef KVL_HAS_GETTEXT
  if (std::setlocale(LC_MESSAGES, "") == nullptr) return;
  bindtextdomain(kTextDomain, folder.c_str());
  // The catalogue's texts come out in UTF-8, as does everything the tool writes, and so do the
  // system's reasons (strerror), which it would otherwise spell in the ASCII of the C locale's
  // character set: only the language for messages is taken from the environment.
  bind_textdomain_codeset(kTextDomain, "UTF-8");
  bind_textdomain_codeset("libc", "UTF-8");
#endif
}

}  // namespace kvl::cli
