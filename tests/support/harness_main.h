#pragma once

#include <cstdio>
#include <exception>

namespace rv::testing {

// The body of a harness program's main: runs it and says why it failed on
// standard error, with status 1, instead of letting an exception leave main.
template <class Run>
int RunHarness(const char* name, Run run) {
  try {
    return run();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
  } catch (...) {
    std::fprintf(stderr, "%s failed\n", name);
  }
  return 1;
}

}  // namespace rv::testing
