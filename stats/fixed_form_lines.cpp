#include "stats/fixed_form_lines.h"

namespace rv {

namespace {

constexpr size_t kLastColumn = 72;
// Column 6 holds the continuation mark; the statement goes on in column 12.
constexpr const char kContinuation[] = "     1     ";
constexpr size_t kContinuationLength = sizeof kContinuation - 1;

// The blank to break a long line at: the last one within the columns before
// a '+', else after a ',', else any; npos when none lies past the
// continuation's own blanks.
size_t BreakingBlank(const std::string& line) {
  const auto last = [&line](bool (*fits)(const std::string&, size_t)) {
    for (size_t i = kLastColumn; i > kContinuationLength; --i)
      if (line[i] == ' ' && fits(line, i)) return i;
    return std::string::npos;
  };
  size_t blank = last([](const std::string& l, size_t i) { return i + 1 < l.size() && l[i + 1] == '+'; });
  if (blank == std::string::npos) blank = last([](const std::string& l, size_t i) { return l[i - 1] == ','; });
  if (blank == std::string::npos) blank = last([](const std::string&, size_t) { return true; });
  return blank;
}

void AppendFittedLine(std::string& out, std::string line) {
  if (!line.empty() && line[0] != 'C') {
    while (line.size() > kLastColumn) {
      const size_t blank = BreakingBlank(line);
      if (blank == std::string::npos) break;
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
