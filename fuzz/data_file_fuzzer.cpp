// The .rvd reader on arbitrary bytes: it must never crash, and whatever it
// accepts must be a document within the program's ranges that writes back
// to a file reading as itself.

#include <cstdio>
#include <cstdlib>

#include "tests/files/data_file_invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto contents = rv::DecodeDataFile(std::span<const std::uint8_t>(data, size));
  if (!contents) return 0;
  const std::string violation = rv::testing::DataFileInvariantViolation(*contents);
  if (!violation.empty()) {
    std::fprintf(stderr, "unsound document: %s\n", violation.c_str());
    std::abort();
  }
  return 0;
}
