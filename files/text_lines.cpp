#include "files/text_lines.h"

#include "sheet/field_number.h"

namespace rv {

namespace {

std::string_view LeadingBlanksDropped(std::string_view line) {
  while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
  return line;
}

std::size_t CommentMarkLength(std::string_view line, std::string_view otherMark) {
  line = LeadingBlanksDropped(line);
  if (line.starts_with('#')) return 1;
  if (!otherMark.empty() && line.starts_with(otherMark)) return otherMark.size();
  return 0;
}

}  // namespace

TextLines::TextLines(std::string_view text) : text_(text) {
  if (text_.starts_with("\xEF\xBB\xBF")) position_ = 3;
}

bool TextLines::next(TextLine& line) {
  if (position_ >= text_.size()) return false;
  std::size_t end = text_.find('\n', position_);
  if (end == std::string_view::npos) end = text_.size();
  std::string_view text = text_.substr(position_, end - position_);
  if (text.ends_with('\r')) text.remove_suffix(1);
  line = {++number_, text};
  position_ = end + 1;
  return true;
}

bool IsBlankLine(std::string_view line) { return TrimField(line).empty(); }

bool IsCommentLine(std::string_view line, std::string_view otherMark) { return CommentMarkLength(line, otherMark) > 0; }

std::string_view CommentText(std::string_view line, std::string_view otherMark) {
  const std::size_t mark = CommentMarkLength(line, otherMark);
  if (mark == 0) return line;
  return LeadingBlanksDropped(LeadingBlanksDropped(line).substr(mark));
}

}  // namespace rv
