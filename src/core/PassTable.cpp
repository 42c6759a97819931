#include "PassTable.h"

#include <algorithm>
#include <utility>

namespace kvl::core {

const PassRecord PassTable::kNoRecord{};

PassRecord& PassTable::MakeRecord(std::size_t slot) {
  const std::size_t b = slot / kPassBlockRecords;
  if (b >= blocks_.size()) blocks_.resize(b + 1);
  PassBlock& block = blocks_[b];
  block.reserve(kPassBlockRecords);
  block.resize(slot % kPassBlockRecords + 1);
  return block.back();
}

std::size_t PassTable::Stored() const noexcept {
  for (std::size_t b = blocks_.size(); b-- > 0;) {
    if (!blocks_[b].empty()) return b * kPassBlockRecords + blocks_[b].size();
  }
  return 0;
}

std::size_t PassTable::Size() const noexcept {
  return std::max(kCapacity, Stored());
}

void PassTable::Replace(LoadedPasses passes) {
  const std::size_t n = passes.count;
  const bool keepsTail = Stored() > n;
  // Everything that allocates comes first, so that a failure leaves the table as it was.
  std::vector<std::shared_ptr<const TextBuffer>> texts;
  if (keepsTail) texts = texts_;
  if (n > 0) texts.push_back(std::move(passes.text));
  std::vector<PassBlock>& blocks = passes.blocks;
  const std::size_t firstWholeOldBlock = (n + kPassBlockRecords - 1) / kPassBlockRecords;
  if (keepsTail) blocks.reserve(std::max(blocks_.size(), firstWholeOldBlock));

  if (keepsTail) {
    // The block that holds the last pass is full to its end with the old records: it was
    // reserved whole, so this allocates nothing.
    const std::size_t at = n % kPassBlockRecords;
    const std::size_t shared = n / kPassBlockRecords;
    if (at != 0 && shared < blocks_.size() && blocks_[shared].size() > at) {
      const PassBlock& old = blocks_[shared];
      blocks[shared].insert(blocks[shared].end(), old.begin() + static_cast<std::ptrdiff_t>(at),
                            old.end());
    }
    for (std::size_t b = firstWholeOldBlock; b < blocks_.size(); ++b) {
      blocks.push_back(std::move(blocks_[b]));
    }
  }
  blocks_.swap(blocks);
  texts_.swap(texts);
}

}  // namespace kvl::core
