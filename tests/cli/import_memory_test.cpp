#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdio>
#include <fstream>

#include "run_tool.h"

namespace rv::testing {
namespace {

// A text of measurements of 64 MB, 17 columns and about 345,000 rows,
// every number different, written line by line: the tool starts as a copy
// of this process, whose largest resident set it would otherwise report.
std::size_t WriteLongText(const std::string& path) {
  std::ofstream out(path, std::ios::binary);
  std::string line = "Y,X1,X2,X3,X4,X5,X6,X7,X8,X9,X10,X11,X12,X13,X14,X15,X16\n";
  std::size_t size = 0;
  char field[32];
  for (unsigned seed = 1; size < 63'900'000; ++seed) {
    out << line;
    size += line.size();
    line.clear();
    for (unsigned column = 0; column < 17; ++column) {
      std::snprintf(field, sizeof field, "%s%u.%06u", column > 0 ? "," : "",
                    (seed * 2654435761u + column * 40503u) % 1000, (seed * 97u + column) % 1000000);
      line += field;
    }
    line += '\n';
  }
  return size;
}

// The reader keeps the text, the sheet of 100,000 rows and one line at a
// time, never every line of the text: the tool's largest resident set
// stays within twice the text's size (a reader that kept the lines as
// fields took about 3 GB).
using ImportMemory = ToolFolderTest;

TEST_F(ImportMemory, A64MegabyteTextIsReadWithinTwiceItsSize) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer's shadow memory and quarantine are no measure of the reader's";
#endif
  const std::size_t size = WriteLongText(path("long.csv"));
  const ToolResult result = RunTool({"convert", path("long.csv"), path("sheet.csv"), "--sep", ",", "--keep-first"});
  ASSERT_EQ(result.status, 0) << result.err;
  // The tool starts as this program, and the kernel counts this program's
  // largest resident set as the tool's first: only a larger one is the tool's.
  struct rusage self {};
  getrusage(RUSAGE_SELF, &self);
  if (result.peakKilobytes <= self.ru_maxrss)
    GTEST_SKIP() << "this program's own peak (" << self.ru_maxrss << " KB) hides the tool's: run the test alone";
  const long textKilobytes = static_cast<long>(size / 1024);
  std::printf("64 MB text: peak resident set %ld KB, the text %ld KB\n", result.peakKilobytes, textKilobytes);
  EXPECT_LT(result.peakKilobytes, 2 * textKilobytes);
}

}  // namespace
}  // namespace rv::testing
