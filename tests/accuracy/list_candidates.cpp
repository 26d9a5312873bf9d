// Prints every candidate of a search shape, one line each, in ordinal order:
// the ordinal, 1 when a term of the candidate can never be built (a
// two-variable kind on the last variable, whose text leaves the term out),
// otherwise 0, and the equation text, separated by tabs. The exact
// references of tests/accuracy read the candidates from here, so that they
// fit what the program's own enumeration builds.
//
//   list_candidates VARIABLES MAX_TERMS [SETS]     SETS like 1,2,5 (default all six)

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "regress/enumeration.h"
#include "regress/walk.h"

namespace {

int Number(const char* text, int low, int high) {
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || value < low || value > high) {
    std::fprintf(stderr, "list_candidates: '%s' is not a number from %d to %d\n", text, low, high);
    std::exit(2);
  }
  return static_cast<int>(value);
}

rv::PerEquationSet<bool> Sets(const std::string& list) {
  rv::PerEquationSet<bool> sets{false, false, false, false, false, false};
  size_t start = 0;
  while (start <= list.size()) {
    const size_t comma = std::min(list.find(',', start), list.size());
    const int number = Number(list.substr(start, comma - start).c_str(), 1, 6);
    sets[*rv::EquationSetFromNumber(number)] = true;
    start = comma + 1;
  }
  return sets;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: list_candidates VARIABLES MAX_TERMS [SETS]\n");
    return 2;
  }
  rv::SearchShape shape;
  shape.variables = Number(argv[1], 1, rv::kMaxSearchVariables);
  shape.maxTerms = Number(argv[2], 1, rv::kMaxCandidateColumns);
  if (argc == 4) shape.sets = Sets(argv[3]);
  const std::int64_t count = rv::CountCandidates(shape);
  for (const rv::Segment& segment : rv::CandidateSequence(shape).segmentsBetween(1, count))
    rv::WalkSegment(shape, segment, [](std::int64_t ordinal, const rv::Candidate& candidate) {
      std::printf("%lld\t%d\t%s\n", static_cast<long long>(ordinal), rv::CandidateAlwaysFaults(candidate) ? 1 : 0,
                  rv::EquationText(candidate).c_str());
    });
  return 0;
}
