#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

// A mistake in how the tool was called; the tool answers it with the usage and status 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct OptionSpec {
  std::string_view name;  // as typed: "--format", "-o"
  bool takesValue = false;
};

// One command's arguments: the positional ones, and every option in the order given, so that an
// option may be repeated.
struct ParsedArguments {
  std::vector<std::string_view> positionals;
  std::vector<std::pair<std::string_view, std::string_view>> options;

  bool Has(std::string_view name) const;
  std::vector<std::string_view> Values(std::string_view name) const;
  // The value given last: a repeated single-valued option takes its last value.
  std::optional<std::string_view> Last(std::string_view name) const;
};

// Options may stand anywhere among the positional arguments; "--name=value" is "--name value";
// after "--", and for a lone "-", an argument is positional. Raises UsageError for an unknown
// option, a missing value, and a value given to an option that takes none.
ParsedArguments ParseArguments(std::span<const std::string_view> args,
                               std::span<const OptionSpec> specs);

// Raises UsageError unless exactly the named positional arguments were given.
void ExpectPositionals(const ParsedArguments& args, std::initializer_list<std::string_view> names);
