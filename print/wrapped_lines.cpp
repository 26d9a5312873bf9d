#include "print/wrapped_lines.h"

namespace rv {

namespace {

bool StartsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

// The byte length of the longest start of text, whole characters and at
// least one, that fits the width.
size_t FittingLength(PageCanvas& canvas, PrintFont font, const std::string& text, int width) {
  size_t fit = 0;
  for (size_t end = 1; end <= text.size(); ++end) {
    if (end < text.size() && !StartsCharacter(text[end])) continue;
    if (fit > 0 && canvas.textWidth(font, text.substr(0, end)) > width) break;
    fit = end;
  }
  return fit;
}

}  // namespace

std::vector<std::string> WrappedLines(PageCanvas& canvas, PrintFont font, const std::string& text, int width) {
  std::vector<std::string> lines;
  std::string rest = text;
  while (canvas.textWidth(font, rest) > width) {
    size_t end = FittingLength(canvas, font, rest, width);
    size_t next = end;
    if (end < rest.size() && rest[end] != ' ') {
      const size_t blank = rest.rfind(' ', end - 1);
      if (blank != std::string::npos && blank > 0) end = next = blank;
    }
    while (end > 0 && rest[end - 1] == ' ') --end;
    while (next < rest.size() && rest[next] == ' ') ++next;
    // A line of blanks alone says nothing: it joins the text after it.
    if (end > 0) lines.push_back(rest.substr(0, end));
    rest.erase(0, next);
  }
  if (!rest.empty() || lines.empty()) lines.push_back(rest);
  return lines;
}

}  // namespace rv
