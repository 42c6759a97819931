#include "ArgumentParser.h"

#include <algorithm>
#include <string>

namespace {

const OptionSpec* FindSpec(std::span<const OptionSpec> specs, std::string_view name) {
  const auto it = std::ranges::find(specs, name, &OptionSpec::name);
  return it == specs.end() ? nullptr : &*it;
}

}  // namespace

bool ParsedArguments::Has(std::string_view name) const {
  return std::ranges::any_of(options, [name](const auto& option) { return option.first == name; });
}

std::vector<std::string_view> ParsedArguments::Values(std::string_view name) const {
  std::vector<std::string_view> values;
  for (const auto& [optionName, value] : options) {
    if (optionName == name) values.push_back(value);
  }
  return values;
}

std::optional<std::string_view> ParsedArguments::Last(std::string_view name) const {
  const std::vector<std::string_view> values = Values(name);
  if (values.empty()) return std::nullopt;
  return values.back();
}

ParsedArguments ParseArguments(std::span<const std::string_view> args,
                               std::span<const OptionSpec> specs) {
  ParsedArguments parsed;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (optionsEnded || arg == "-" || !arg.starts_with('-')) {
      parsed.positionals.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    const std::size_t equals = arg.starts_with("--") ? arg.find('=') : std::string_view::npos;
    const std::string_view name = arg.substr(0, equals);
    const OptionSpec* spec = FindSpec(specs, name);
    if (spec == nullptr) throw UsageError("unknown option " + std::string(name));
    if (!spec->takesValue) {
      if (equals != std::string_view::npos) {
        throw UsageError("option " + std::string(name) + " takes no value");
      }
      parsed.options.emplace_back(name, std::string_view());
    } else if (equals != std::string_view::npos) {
      parsed.options.emplace_back(name, arg.substr(equals + 1));
    } else if (i + 1 < args.size()) {
      parsed.options.emplace_back(name, args[++i]);
    } else {
      throw UsageError("option " + std::string(name) + " needs a value");
    }
  }
  return parsed;
}

void ExpectPositionals(const ParsedArguments& args, std::initializer_list<std::string_view> names) {
  if (args.positionals.size() < names.size()) {
    throw UsageError("missing " + std::string(names.begin()[args.positionals.size()]));
  }
  if (args.positionals.size() > names.size()) {
    throw UsageError("unexpected argument " + std::string(args.positionals[names.size()]));
  }
}
