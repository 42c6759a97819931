// kvl-generate-completions SHELL TEMPLATE OUTPUT writes kvl-ridavu-cli's completion script for
// SHELL (bash, zsh or fish): the template with its line @GENERATED@ replaced by what the tool's
// own parser gives.
#include <CLI/CLI.hpp>
#include <exception>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include <cli/CommandDispatch.h>

#include "CompletionScripts.h"
#include "ToolOutline.h"

namespace {

using kvl::completions::ToolOutline;

constexpr std::string_view kMarker = "@GENERATED@\n";

constexpr std::pair<std::string_view, std::string (*)(const ToolOutline&)> kShells[] = {
    {"bash", kvl::completions::BashCompletionData},
    {"zsh", kvl::completions::ZshCompletionFunction},
    {"fish", kvl::completions::FishCompletions},
};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  if (!(text << in.rdbuf())) throw std::runtime_error("cannot read " + path);
  return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  if (!out.write(text.data(), static_cast<std::streamsize>(text.size())).flush()) {
    throw std::runtime_error("cannot write " + path);
  }
}

std::string Generate(std::string_view shell, const std::string& templatePath) {
  CLI::App tool;
  kvl::cli::SetUpTool(tool);
  const ToolOutline outline = kvl::completions::OutlineOf(tool);
  for (const auto& [name, write] : kShells) {
    if (name != shell) continue;
    std::string text = ReadFile(templatePath);
    const std::size_t marker = text.find(kMarker);
    if (marker == std::string::npos) {
      throw std::runtime_error(templatePath + " has no line " +
                               std::string(kMarker.substr(0, kMarker.size() - 1)));
    }
    return text.replace(marker, kMarker.size(), write(outline));
  }
  throw std::runtime_error("unknown shell " + std::string(shell) + " (bash, zsh or fish)");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: kvl-generate-completions bash|zsh|fish TEMPLATE OUTPUT\n";
    return 2;
  }
  try {
    WriteFile(argv[3], Generate(argv[1], argv[2]));
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "kvl-generate-completions: " << error.what() << '\n';
    return 1;
  }
}
