#pragma once

namespace rv {

// The program's guard on the terms and transforms that divide by a value or
// take its logarithm: a value whose magnitude is not above this counts as
// zero there. The bound belongs to the term library's rules, and the lists
// users compare depend on it, so it stays as the rules define it.
inline constexpr double kZeroGuard = 1e-20;

}  // namespace rv
