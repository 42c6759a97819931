#include "ExportCommand.h"

#include <charconv>
#include <ostream>
#include <string>

#include "Exceptions.h"
#include "PanelText.h"
#include "ReportLoader.h"
#include "SetFile.h"

namespace {

constexpr OptionSpec kOptions[] = {{"-o", true}};

// The pass numbered `text`: decimal digits naming one of the report's passes 1 to count.
std::size_t PassNumber(std::string_view text, std::size_t count) {
  std::size_t number = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, number);
  if (!text.empty() && error == std::errc() && stop == end && number >= 1 && number <= count) {
    return number;
  }
  const std::string passes = count == 0 ? "no passes" : "passes 1 to " + std::to_string(count);
  throw Exception("Pass \"" + std::string(text) + "\" does not exist: the report holds " + passes);
}

void RunExport(const ParsedArguments& args, std::ostream& out) {
  ExpectPositionals(args, {"REPORT", "PASS"});
  const auto output = args.Last("-o");
  if (!output) throw UsageError("missing -o FILE");
  PassTable table;
  const auto count = static_cast<std::size_t>(LoadReport(std::string(args.positionals[0]), table));
  const std::size_t pass = PassNumber(args.positionals[1], count);
  // Params never moves, so pass n's parameters are in slot n-1.
  const std::string text = SetFileTextForParams(table[pass - 1].Params);
  if (*output == "-") {
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
  } else {
    WriteSetFile(std::string(*output), text);
  }
}

}  // namespace

constinit const CommandSpec kExportCommand = {
    "export",
    "REPORT PASS -o FILE",
    "write the set file of pass number PASS to FILE",
    "Writes the parameters of pass number PASS (1 for the report's first pass, as \"list\"\n"
    "numbers them) to the set file FILE. It takes the pass's parameter text as\n"
    "\"list --params\" shows it, turns every \";\" and the character after it into a\n"
    "line break, CR LF, and leaves out the last line, which holds the rest of the report\n"
    "cell. For a report's usual \"name=value; \" texts that is one name=value line per\n"
    "parameter, each ending in CR LF, in Windows-1251. The window's export of the pass\n"
    "unedited writes the same, except where its panel wraps that last line: the window\n"
    "then leaves out only the line's last displayed part.\n"
    "FILE is written under the name given and replaced when it exists.\n"
    "\n"
    "  -o FILE  the set file to write; - writes it to standard output\n",
    kOptions,
    RunExport,
};
