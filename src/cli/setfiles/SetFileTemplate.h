#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <cli/rows/PanelParameters.h>

namespace kvl::cli {

// The user's own set file, whose lines an export keeps with the pass's values put in.
struct SetFileTemplate {
  std::string path;  // as given, UTF-8
  std::string text;  // in the ANSI code page
};

// Reads the set file at `path` as text in the ANSI code page; a file that starts with a
// byte-order mark is decoded and converted to it. Raises EFOpenError when it cannot be read, and
// an Exception naming it when it holds a NUL byte or no name=value line whose name is an input's
// ("Lots=0.1", "Lots,F=1"), as a report or any other file that is no set file does.
SetFileTemplate ReadSetFileTemplate(const std::string& path);

// The template's lines, its line breaks CR LF, LF or CR, in order: a name=value line whose name
// (everything before its first '=', trimmed of blanks, in the same case) the pass carries gets the
// pass's value in place of its own, the blanks around the name, the '=' and the value kept; every
// other line stays as it is. Then the pass's parameters that the template lacks, in the pass's
// order. Every line ends in CR LF.
std::string MergeSetFileTemplate(std::string_view setTemplate,
                                 const std::vector<PanelParameter>& parameters);

// The set file of a pass: its parameter lines as the window exports them unedited, or merged into
// `setTemplate` when there is one.
std::string PassSetFileText(std::string_view params,
                            const std::optional<SetFileTemplate>& setTemplate);

}  // namespace kvl::cli
