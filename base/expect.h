#pragma once

// RV_EXPECT(condition): a precondition of an engine entry point, stated
// where the entry point begins. The Debug and sanitizer builds check it
// (REGROVANTIS_CONTRACTS): a broken one prints the condition, file and line
// and aborts, at the caller's mistake rather than at the memory it spoils
// later. The optimised build neither evaluates nor keeps it. It lives in
// base/, below every library, so that each of them can use it.

#if defined(REGROVANTIS_CONTRACTS)
#include <cstdio>
#include <cstdlib>

namespace rv {

[[noreturn]] inline void BreakContract(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: precondition failed: %s\n", file, line, condition);
  std::abort();
}

}  // namespace rv

#define RV_EXPECT(condition) ((condition) ? static_cast<void>(0) : ::rv::BreakContract(#condition, __FILE__, __LINE__))
#else
// Unevaluated, so that what only the condition reads is still used.
#define RV_EXPECT(condition) static_cast<void>(sizeof((condition) ? 1 : 0))
#endif
