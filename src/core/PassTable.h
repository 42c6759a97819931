#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "HugePageMemory.h"
#include "TextBuffer.h"

namespace kvl::core {

// Pass texts are byte strings in the ANSI code page; positions and lengths count bytes.
using AnsiString = std::string;

// A field of a pass: a view of text that the table keeps alive (a loaded report's bytes).
using PassText = std::string_view;

struct PassRecord {
  PassText Index;
  PassText Params;
  PassText Profit;
  PassText Trades;
  PassText ProfitFactor;
  PassText ExpectedPayoff;
  PassText DrawdownMoney;
  PassText DrawdownPercent;
};

// Records in blocks of a fixed number, so that they grow without ever being copied.
using PassBlock = std::vector<PassRecord, HugePageAllocator<PassRecord>>;
inline constexpr std::size_t kPassBlockRecords = (std::size_t{2} << 20) / sizeof(PassRecord);

// The passes of one load, numbered from slot 0, and the text their fields point into. Every
// block is reserved whole.
struct LoadedPasses {
  std::vector<PassBlock> blocks;
  std::size_t count = 0;
  std::shared_ptr<const TextBuffer> text;
};

// The slots of the passes, each a record of views. A slot that was never written reads as an
// empty record, and the table reads as at least kCapacity of them, so nothing is built before the
// first load. Copies of a table share the texts. Slot p holds the pass numbered p+1 for as long as
// its load lasts: a sort orders rows (RowOrder), never the table's records.
class PassTable {
 public:
  static constexpr std::size_t kCapacity = 120000;

  // Writing a slot that holds no record yet makes one, empty.
  PassRecord& operator[](std::size_t slot) {
    const std::size_t b = slot / kPassBlockRecords;
    const std::size_t at = slot % kPassBlockRecords;
    if (b < blocks_.size() && at < blocks_[b].size()) return blocks_[b][at];
    return MakeRecord(slot);
  }
  const PassRecord& operator[](std::size_t slot) const noexcept {
    const std::size_t b = slot / kPassBlockRecords;
    const std::size_t at = slot % kPassBlockRecords;
    if (b < blocks_.size() && at < blocks_[b].size()) return blocks_[b][at];
    return kNoRecord;
  }
  // The number of slots that can be addressed: kCapacity, or more once more have been stored.
  std::size_t Size() const noexcept;

  // Puts the passes into slots 0 to count-1. Later slots keep whatever they held, and the texts
  // they point into stay alive with them. Raises std::bad_alloc, changing nothing, when there is
  // no memory for the change.
  void Replace(LoadedPasses passes);

 private:
  static const PassRecord kNoRecord;

  PassRecord& MakeRecord(std::size_t slot);
  std::size_t Stored() const noexcept;

  std::vector<PassBlock> blocks_;
  std::vector<std::shared_ptr<const TextBuffer>> texts_;
};

}  // namespace kvl::core
