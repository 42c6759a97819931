#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kvl::fuzz {

// The parameter texts of a small table of passes, decoded from fuzz bytes as an optimization
// writes them: a first pass of name=value lines, then passes that change one, two or every value
// of the pass before, or none, and now and then a pass (or from it on, every pass) that lacks a
// line, has one more, new or repeated, has two lines swapped or a line's bytes replaced. Each
// text ends in the rest of the report cell, or in its last break or in the ';' of that break.
//
// Bytes: the number of names and, per name, its name and its value from small lists of each;
// then per pass a control byte (the change, whether a change to the lines lasts, the ending)
// followed by the bytes that change needs.
std::vector<std::string> DecodePassTexts(std::span<const std::uint8_t> bytes);

}  // namespace kvl::fuzz
