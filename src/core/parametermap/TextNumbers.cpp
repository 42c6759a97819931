#include "TextNumbers.h"

#include <algorithm>
#include <cstring>

namespace kvl::core {

namespace {

constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ULL;
constexpr std::size_t kWord = sizeof(std::uint64_t);
constexpr std::size_t kFirstSlots = 16;

std::uint64_t Head(std::string_view text) {
  return PackedBytes(text.data(), std::min(text.size(), kWord));
}

// The length goes in, so that texts whose packed words agree hash apart.
std::uint32_t HashOf(std::string_view text, std::uint64_t head) {
  std::uint64_t hash = (text.size() * kMultiplier) ^ head;
  for (std::size_t at = kWord; at < text.size(); at += kWord) {
    hash = (hash * kMultiplier) ^ PackedBytes(text.data() + at, std::min(text.size() - at, kWord));
  }
  hash *= kMultiplier;
  return static_cast<std::uint32_t>(hash >> 32);
}

}  // namespace

std::uint32_t TextNumbers::NumberOfAny(std::string_view text) {
  if (2 * (texts_.size() + 1) > slots_.size()) Grow();
  const std::uint64_t head = Head(text);
  const std::uint32_t hash = HashOf(text, head);
  const std::size_t mask = slots_.size() - 1;
  std::size_t at = hash & mask;
  for (; slots_[at].number != 0; at = (at + 1) & mask) {
    const Slot& slot = slots_[at];
    if (slot.hash != hash || slot.head != head) continue;
    const std::string_view known = texts_[slot.number - 1];
    if (known.size() == text.size() &&
        (text.size() <= kWord || known.substr(kWord) == text.substr(kWord))) {
      return slot.number - 1;
    }
  }
  const auto number = static_cast<std::uint32_t>(texts_.size());
  slots_[at] = {head, hash, number + 1};
  texts_.push_back(text);
  return number;
}

void TextNumbers::Grow() {
  std::vector<Slot> old(slots_.empty() ? kFirstSlots : 2 * slots_.size());
  old.swap(slots_);
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.number == 0) continue;
    std::size_t at = slot.hash & mask;
    while (slots_[at].number != 0) at = (at + 1) & mask;
    slots_[at] = slot;
  }
}

}  // namespace kvl::core
