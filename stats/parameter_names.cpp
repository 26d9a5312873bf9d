#include "stats/parameter_names.h"

#include <algorithm>
#include <cctype>

namespace rv {

namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

}  // namespace

std::vector<std::string> ParameterNames(const std::string& equationText) {
  std::vector<std::string> names;
  for (size_t i = 0; i < equationText.size(); ++i) {
    if (equationText[i] != 'X' || i + 1 >= equationText.size() || !IsDigit(equationText[i + 1])) continue;
    const size_t length = i + 2 < equationText.size() && IsDigit(equationText[i + 2]) ? 3 : 2;
    std::string name = equationText.substr(i, length);
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(std::move(name));
    i += length - 1;
  }
  return names;
}

}  // namespace rv
