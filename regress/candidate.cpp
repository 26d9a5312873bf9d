#include "regress/candidate.h"

#include "regress/y_form.h"

namespace rv {

std::string EquationText(const Candidate& candidate) {
  std::string text = YFormHead(candidate.set);
  char letter = 'a';
  for (int j = 0; j < candidate.termCount; ++j) AppendTermText(text, candidate.terms[j], letter);
  if (candidate.rational) {
    text += "   ";
  } else {
    text += ' ';
    text += letter;
  }
  return text;
}

bool CandidateAlwaysFaults(const Candidate& candidate) {
  for (int j = 0; j < candidate.termCount; ++j)
    if (TermAlwaysFaults(candidate.terms[j])) return true;
  return false;
}

}  // namespace rv
