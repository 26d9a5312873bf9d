#pragma once

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace rv::cli {

// A mistake in what the user typed or in the input file: printed with the
// tool's name, and the tool exits with status 2 (usage) or 1 (input).
struct CliError : std::runtime_error {
  CliError(const std::string& message, int status = 2) : std::runtime_error(message), exitStatus(status) {}
  int exitStatus;
};

struct Arguments {
  std::vector<std::string> positional;
  std::map<std::string, std::string> values;
  std::set<std::string> flags;

  bool has(const std::string& name) const { return values.count(name) != 0; }
  bool flag(const std::string& name) const { return flags.count(name) != 0; }
  const std::string& value(const std::string& name) const { return values.at(name); }
};

// Splits the words after the command into positional words, options that take
// a value (--name VALUE or --name=VALUE) and flags; anything else is an
// error, and so is an option given twice.
Arguments ParseArguments(const std::vector<std::string>& words, const std::set<std::string>& valueOptions,
                         const std::set<std::string>& flagOptions);

// A whole decimal number within [low, high]; the message names the option.
long long ParseInteger(const std::string& text, const std::string& what, long long low, long long high);

}  // namespace rv::cli
