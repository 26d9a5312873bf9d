#pragma once

#include <cstdint>
#include <string>

namespace rv {

// How the candidates of a search were settled. Each refused candidate is
// counted once: a pass that a set makes again (regress/enumeration.h)
// refuses the same candidates as its first copy and adds nothing.
struct RefusalCount {
  std::int64_t outsideRange = 0;  // a point outside the range of the Y form or of a term
  std::int64_t unresolved = 0;    // refused by the rank test: cannot be resolved in double precision
  std::int64_t fitted = 0;        // fitted and scored (a pass made again included)

  RefusalCount& operator+=(const RefusalCount& other) {
    outsideRange += other.outsideRange;
    unresolved += other.unresolved;
    fitted += other.fitted;
    return *this;
  }
};

// Why a fit that the rank test refuses is left out, in every message.
inline constexpr const char* kCannotBeResolved = "cannot be resolved in double precision";

// "refused: N outside the range of a transform or term, M cannot be resolved
// in double precision", naming only the counts above zero; empty when none.
std::string RefusalSummary(const RefusalCount& count);

}  // namespace rv
