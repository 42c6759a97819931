#pragma once

#include <string_view>
#include <vector>

namespace kvl::cli {

// The texts of the results header's cells, "Проход" and "Прибыль" in
// <tr bgcolor="#C0C0C0" align=right><td>Проход</td><td>Прибыль</td>...</tr>: the cells that
// follow the first "align=right>" one after another, each "<td" and its attributes, ">", the
// caption and "</td>". None when the line has no such cell, or a caption holds markup of its own
// (a "<", ">" or '"').
std::vector<std::string_view> HeaderCaptions(std::string_view line);

}  // namespace kvl::cli
