#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <core/PassTable.h>
#include <core/parametermap/PassReadings.h>

#include "MapPairs.h"

using namespace kvl::core;

namespace {

// Texts that share lines, names or nothing with one another, so that reading one after another
// takes every way a line can compare with the line in its place in the pass before, and finds
// the rest of the pass before's lines following at once, after some lines, or not at all.
const std::vector<std::string> kTexts = {
    "A=1; B=2; \">3",
    "A=1; B=2; \">4",
    "A=7; B=2; \">3",
    "A=10; B=2; C=3; \">3",
    "A=11; B=2; C=3; \">3",
    "A=11; B=2; C=3;",
    "A=11; B=2; C=3; ",
    "A=11; B=2; C=3;x",
    "A =1; B=2; \">3",
    "A=1 ; B= 2\t; \">3",
    "A=1; C=2; \">3",
    "B=2; A=1; \">3",
    "A=1; A=2; \">3",
    "A=1;;B=2; \">3",
    "A=1;xB=2; \">3",
    "A=x=y; B=; \">3",
    "A=1; B=2;",
    "A=1; B=2; ",
    "A=1; B=2",
    "A=1; B=2; C",
    "A=1; B",
    "A=1;",
    "",
    "A=1; broken; B=2; \">3",
    " =1; B=2; \">3",
    "LongerName=a value past eight bytes; B=2; \">3",
    "LongerName=a value past eight bytez; B=2; \">3",
    "A=1; B=1; C=1; D=1; \">3",
    "A=2; B=1; C=1; D=1; \">3",
    "A=2; B=2; C=2; D=1; \">3",
    "A=2; B=22; C=2; D=1; \">3",
    "A=2; B=2; C=2; D=2; \">3",
};

// What the reading gives for a pass: "name|value" per pair, only the name for a pass that has one
// name twice, and nothing when it does not split.
std::vector<std::string> ReadAs(const PassReadings& readings, std::size_t slot) {
  std::vector<std::string> read;
  const std::uint32_t s = readings.sequenceOfPass[slot];
  if (s == kNoNumber) return read;
  const std::vector<std::uint32_t>& names = readings.sequences[s].names;
  for (const std::uint32_t name : names) {
    read.emplace_back(readings.names.Text(name));
    // A pass with a name twice is left out of the map, and its values are not kept.
    if (readings.sequences[s].repeated == kNoNumber) {
      read.back().append("|").append(readings.values[name].Text(readings.ValueOf(name, slot)));
    }
  }
  return read;
}

std::vector<std::string> SplitAs(const std::string& text) {
  std::vector<ParameterPair> pairs;
  std::vector<std::string> split;
  if (!SplitMapPairs(text, pairs)) return split;
  const bool repeated = std::any_of(pairs.begin(), pairs.end(), [&](const ParameterPair& pair) {
    return std::count_if(pairs.begin(), pairs.end(),
                         [&](const ParameterPair& other) { return other.name == pair.name; }) > 1;
  });
  for (const ParameterPair& pair : pairs) {
    split.emplace_back(pair.name);
    if (!repeated) split.back().append("|").append(*pair.value);
  }
  return split;
}

// Every text read after every two others reads as it splits on its own, whatever the texts
// before it share with it.
TEST(PassReadings, EveryTextAfterAnyTwoOthersReadsAsItSplitsAlone) {
  PassTable table;
  for (const std::string& first : kTexts) {
    for (const std::string& second : kTexts) {
      for (const std::string& text : kTexts) {
        const std::vector<std::string> passes = {first, second, text};
        for (std::size_t p = 0; p < passes.size(); ++p) table[p].Params = passes[p];
        const PassReadings readings = ReadPasses(table, passes.size());
        for (std::size_t p = 0; p < passes.size(); ++p) {
          ASSERT_EQ(ReadAs(readings, p), SplitAs(passes[p]))
              << first << " then " << second << " then " << text;
        }
      }
    }
  }
}

TEST(PassReadings, OneSequenceAndOneNumberPerDistinctText) {
  PassTable table;
  const std::vector<std::string> passes = {"A=1; B=2; \">1", "A=2; B=2; \">2", "B=2; A=1; \">3",
                                           "A=1; B=2; \">4"};
  for (std::size_t p = 0; p < passes.size(); ++p) table[p].Params = passes[p];
  PassReadings readings = ReadPasses(table, passes.size());
  ASSERT_EQ(readings.sequences.size(), 2u);
  EXPECT_EQ(readings.sequences[0].passes, 3u);
  EXPECT_EQ(readings.sequences[1].passes, 1u);
  EXPECT_EQ(readings.sequenceOfPass, (std::vector<std::uint32_t>{0, 0, 1, 0}));
  EXPECT_EQ(readings.values[readings.names.NumberOf("A")].Size(), 2u);
  EXPECT_EQ(readings.values[readings.names.NumberOf("B")].Size(), 1u);
}

}  // namespace
