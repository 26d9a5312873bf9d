#pragma once

#include <cstddef>
#include <string_view>

namespace rv {

// A line of a text and where it stands in it (from 1).
struct TextLine {
  int number = 0;
  std::string_view text;  // without its line end
};

// Walks a text's lines one at a time, keeping none: a line ends at LF or
// CR LF, and a UTF-8 byte order mark at the start is no part of the first.
class TextLines {
 public:
  explicit TextLines(std::string_view text);
  // The next line; false after the last.
  bool next(TextLine& line);
  // How far through the text the walk is, in bytes.
  std::size_t position() const { return position_; }

 private:
  std::string_view text_;
  std::size_t position_ = 0;
  int number_ = 0;
};

// Nothing but blanks (spaces, tabs, CR).
bool IsBlankLine(std::string_view line);

// The text's comments: lines whose first character after the blanks is '#'
// or, when the user gives one, another mark (such as '%' or "//").
bool IsCommentLine(std::string_view line, std::string_view otherMark);

// A comment line's text after its mark and the blanks after that.
std::string_view CommentText(std::string_view line, std::string_view otherMark);

}  // namespace rv
