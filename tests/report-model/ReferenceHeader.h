#pragma once

#include <optional>
#include <string>
#include <vector>

#include <core/resultsheader/HeaderLanguage.h>

// The results header of a report's lines found the plain way, each rule tried over all lines in
// turn: the first line but the last whose first "align=right><td>Проход<" stands after at least
// one other character; else the same with "align=right><td>Pass<"; else the first line that is a
// caption row of seven or more cells and that a data row follows, marked by its first caption. Written
// apart from the loader, which finds it in one pass over the text.
struct ReferenceHeader {
  std::size_t line;  // from 0
  kvl::core::HeaderLanguage language;
  std::u16string marker;  // a later line but the last that carries it is a further header
};

std::optional<ReferenceHeader> FindReferenceHeader(const std::vector<std::u16string>& lines);

// Whether `line` carries `marker` after at least one other character, as its first occurrence.
bool CarriesMarker(const std::u16string& line, const std::u16string& marker);
