#pragma once

#include <cstddef>
#include <filesystem>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace kvl::cli {

// The tool's texts in the user's language. Each English text is the key of its translation in the
// catalogue of the locale's language for messages (gettext's domain "kvl-ridavu-cli"); without
// one, or before UseUserLanguage, it stands as it is. Texts to fill name their values {1}, {2}, and
// so on, so that a translation may put them in its own order. xgettext finds the texts by these
// names: scripts/update-translations.

// The translation of `text`, which must be a literal: the catalogue keeps the returned text.
const char* Tr(const char* text);

// `text` translated, its {1}, {2}, ... replaced with `values` in that order.
std::string Tr(const char* text, std::initializer_list<std::string_view> values);

// The form of `one` or `many` that the language takes for the number `count`, its {1}, {2}, ...
// filled with `values`; write `count` itself among them where the text shows it.
std::string TrCount(const char* one, const char* many, std::size_t count,
                    std::initializer_list<std::string_view> values);

// Replaces {1}, {2}, ... in `text` with `values`; other braces stay.
std::string Filled(std::string_view text, std::span<const std::string_view> values);

// Takes the language for messages from the environment (LC_ALL, LC_MESSAGES, LANG and LANGUAGE,
// as every gettext program does) and the catalogues from beside the program: the folder locale/
// in a build, share/locale/ once installed. Changes nothing else of the locale, so that numbers
// read and print alike everywhere. Where the system has no gettext, the texts stay English.
void UseUserLanguage();
// The same with the catalogues in `folder` (LANGUAGE/LC_MESSAGES/kvl-ridavu-cli.mo).
void UseUserLanguage(const std::filesystem::path& folder);

}  // namespace kvl::cli
