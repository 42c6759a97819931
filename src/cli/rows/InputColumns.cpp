#include "InputColumns.h"

#include <algorithm>
#include <limits>

#include <core/CodePage.h>
#include <core/parameters/ParameterLines.h>
#include <core/parameters/ParameterPair.h>

#include "ParameterKey.h"

namespace kvl::cli {

namespace {

constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

}  // namespace

InputColumns InputColumns::Every(const core::PassTable& table, std::size_t count) {
  InputColumns columns;
  columns.Read(table, count, true);
  return columns;
}

InputColumns InputColumns::Named(const core::PassTable& table, std::size_t count,
                                 std::span<const std::string> names) {
  InputColumns columns;
  // Most listings name no input: their passes' texts are not worth a reading.
  if (names.empty()) return columns;
  for (const std::string& name : names) {
    if (columns.ValuesOf(name) == nullptr) columns.AddInput(name, count);
  }
  columns.Read(table, count, false);
  return columns;
}

std::vector<ListedColumn> InputColumns::Listed() const {
  std::vector<ListedColumn> columns;
  for (const Input& input : inputs_) {
    columns.push_back({input.column, input.caption, nullptr, input.values});
  }
  return columns;
}

const std::vector<std::string_view>* InputColumns::ValuesOf(std::string_view name) const {
  const auto it = std::ranges::find(inputs_, name, &Input::name);
  return it == inputs_.end() || !it->carried ? nullptr : &it->values;
}

std::size_t InputColumns::AddInput(std::string_view name, std::size_t count) {
  inputs_.push_back({std::string(name), std::vector<std::string_view>(count), false, {}, {}});
  return inputs_.size() - 1;
}

void InputColumns::Read(const core::PassTable& table, std::size_t count, bool addNew) {
  // The slot each input last took a value from, so that a name repeated in a pass keeps its
  // first value.
  std::vector<std::size_t> lastSlot(inputs_.size(), kNone);
  const auto find = [this](std::string_view name, std::size_t guess) {
    if (guess < inputs_.size() && inputs_[guess].name == name) return guess;
    const auto it = std::ranges::find(inputs_, name, &Input::name);
    return it == inputs_.end() ? kNone : static_cast<std::size_t>(it - inputs_.begin());
  };
  for (std::size_t slot = 0; slot < count; ++slot) {
    // Passes mostly name their inputs in one order, so the input of a line's position is tried
    // first.
    std::size_t position = 0;
    core::ForEachKeptLine(table[slot].Params, [&](std::string_view line) {
      const core::ParameterPair pair = core::SplitParameterPair(line, core::Blanks::kTrimmed);
      const std::size_t guess = position++;
      if (!pair.value || pair.name.empty()) return;
      std::size_t at = find(pair.name, guess);
      if (at == kNone) {
        if (!addNew) return;
        at = AddInput(pair.name, count);
        lastSlot.push_back(kNone);
      }
      if (lastSlot[at] == slot) return;
      lastSlot[at] = slot;
      inputs_[at].values[slot] = *pair.value;
      inputs_[at].carried = true;
    });
  }
  for (Input& input : inputs_) {
    input.caption = core::AnsiToUtf8(input.name);
    input.column = std::string(kParameterPrefix) + input.caption;
  }
}

}  // namespace kvl::cli
