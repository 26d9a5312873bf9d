#include "stats/term_label.h"

#include <string>

namespace rv {

std::vector<std::string> TermLabels(const std::string& equationText, int count) {
  std::vector<std::string> labels;
  const size_t equals = equationText.find('=');
  size_t position = equals == std::string::npos ? equationText.size() : equals + 2;
  bool piecesLeft = true;
  for (int k = 0; k < count; ++k) {
    if (!piecesLeft || position >= equationText.size()) {
      labels.emplace_back();
      piecesLeft = false;
      continue;
    }
    const size_t plus = equationText.find('+', position);
    if (plus == std::string::npos) {
      labels.push_back(equationText.substr(position));
      piecesLeft = false;
    } else {
      labels.push_back(equationText.substr(position, plus - position));
      position = plus + 2;
    }
  }
  return labels;
}

std::vector<std::string> RationalTermLabels(const Candidate& candidate) {
  const Term& numerator = candidate.terms[0];
  const std::string power = numerator.kind == kRationalSquare ? "^2" : "";
  return {"aX" + std::to_string(numerator.variable) + power, "bX" + std::to_string(candidate.terms[1].variable), "c"};
}

}  // namespace rv
