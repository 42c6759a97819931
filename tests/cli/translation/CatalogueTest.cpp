#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <ranges>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "TestFiles.h"

namespace {

struct Entry {
  std::vector<std::string> texts;         // the English text, then its plural
  std::vector<std::string> translations;  // one, or one per plural form
};

// Split yields no part at all of an empty text, which is one empty text here: the header's key.
std::vector<std::string> SplitAtNul(const std::string& bytes) {
  std::vector<std::string> parts;
  for (const auto part : bytes | std::views::split('\0'))
    parts.emplace_back(part.begin(), part.end());
  if (parts.empty()) parts.emplace_back();
  return parts;
}

// The entries of a compiled catalogue: a count, then the offsets of two tables of (length,
// offset) pairs, one for the texts and one for their translations.
std::vector<Entry> ReadCatalogue(const std::string& bytes) {
  const auto word = [&bytes](std::size_t at) {
    std::uint32_t value = 0;
    if (at + 4 > bytes.size()) throw std::runtime_error("catalogue cut short");
    std::memcpy(&value, bytes.data() + at, 4);
    return std::size_t{value};
  };
  if (word(0) != 0x950412de) throw std::runtime_error("not a catalogue in this byte order");
  const auto string = [&](std::size_t table, std::size_t k) {
    const std::size_t length = word(table + 8 * k);
    const std::size_t offset = word(table + 8 * k + 4);
    if (offset + length > bytes.size()) throw std::runtime_error("string out of the catalogue");
    return bytes.substr(offset, length);
  };
  std::vector<Entry> entries;
  for (std::size_t k = 0; k < word(8); ++k) {
    entries.push_back({SplitAtNul(string(word(12), k)), SplitAtNul(string(word(16), k))});
  }
  return entries;
}

std::multiset<std::string> Placeholders(const std::string& text) {
  static const std::regex kPlaceholder(R"(\{[0-9]+\})");
  std::multiset<std::string> found;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), kPlaceholder);
       it != std::sregex_iterator(); ++it) {
    found.insert(it->str());
  }
  return found;
}

// A translation that dropped, repeated or mistyped a {N} would lose a value or show the braces.
TEST(RussianCatalogue, EveryTranslationShowsTheValuesOfItsText) {
  const std::vector<Entry> entries =
      ReadCatalogue(ReadBytes(std::string(KVL_CATALOGUES) + "/ru/LC_MESSAGES/kvl-ridavu-cli.mo"));
  ASSERT_GT(entries.size(), 100u);
  for (const Entry& entry : entries) {
    if (entry.texts.front().empty()) continue;  // the header
    const std::string& text = entry.texts.back();
    ASSERT_EQ(entry.translations.size(), entry.texts.size() == 1 ? 1u : 3u) << text;
    for (const std::string& translation : entry.translations) {
      EXPECT_EQ(Placeholders(translation), Placeholders(text)) << text << "\n" << translation;
    }
  }
}

}  // namespace
