#include "stats/fixed_form_lines.h"

namespace rv {

namespace {

constexpr size_t kLastColumn = 72;
// Column 6 holds the continuation mark; the statement goes on in column 12.
constexpr const char kContinuation[] = "     1     ";
constexpr size_t kContinuationLength = sizeof kContinuation - 1;

void AppendFittedLine(std::string& out, std::string line) {
  if (!line.empty() && line[0] != 'C') {
    while (line.size() > kLastColumn) {
      const size_t blank = line.rfind(' ', kLastColumn);
      if (blank == std::string::npos || blank <= kContinuationLength) break;
      out += line.substr(0, blank) + "\r\n";
      line = kContinuation + line.substr(blank + 1);
    }
  }
  out += line;
}

}  // namespace

std::string FitFixedFormLines(const std::string& text) {
  std::string out;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      AppendFittedLine(out, text.substr(start));
      break;
    }
    AppendFittedLine(out, text.substr(start, end - start));
    out += "\r\n";
    start = end + 2;
  }
  return out;
}

}  // namespace rv
