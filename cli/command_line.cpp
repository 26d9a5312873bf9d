#include "cli/command_line.h"

#include <cerrno>
#include <cstdlib>

namespace rv::cli {

Arguments ParseArguments(const std::vector<std::string>& words, const std::set<std::string>& valueOptions,
                         const std::set<std::string>& flagOptions) {
  Arguments arguments;
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word.size() < 3 || word.compare(0, 2, "--") != 0) {
      arguments.positional.push_back(word);
      continue;
    }
    std::string name = word.substr(2);
    std::string value;
    bool inlineValue = false;
    if (const size_t equals = name.find('='); equals != std::string::npos) {
      value = name.substr(equals + 1);
      name = name.substr(0, equals);
      inlineValue = true;
    }
    if (!flagOptions.count(name) && !valueOptions.count(name)) throw CliError("unknown option --" + name);
    // The last of two values would win without a word, whichever was meant.
    if (arguments.flag(name) || arguments.has(name)) throw CliError("option --" + name + " is given twice");
    if (flagOptions.count(name)) {
      if (inlineValue) throw CliError("option --" + name + " takes no value");
      arguments.flags.insert(name);
      continue;
    }
    if (!inlineValue) {
      if (i + 1 >= words.size()) throw CliError("option --" + name + " needs a value");
      value = words[++i];
    }
    arguments.values[name] = value;
  }
  return arguments;
}

long long ParseInteger(const std::string& text, const std::string& what, long long low, long long high) {
  char* end = nullptr;
  errno = 0;
  const long long value = std::strtoll(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || errno == ERANGE || value < low || value > high)
    throw CliError(what + " must be a whole number from " + std::to_string(low) + " to " + std::to_string(high) +
                   ", not '" + text + "'");
  return value;
}

}  // namespace rv::cli
