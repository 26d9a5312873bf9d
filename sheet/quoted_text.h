#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rv {

// A short, printable quotation of a text for a message: a field of a file or
// of the clipboard may be megabytes long or hold control bytes, and a file
// name may hold escape sequences that would reach a terminal. Characters
// stay as they are, UTF-8 included ('5 µs'); a control character (C0, DEL
// or C1) and a byte that is not part of valid UTF-8 are written "\xHH" byte
// by byte. A text of more than `shown` characters is cut, "..." following
// the closing quote.
std::string QuotedText(std::string_view text, std::size_t shown = 24);

// A message for a terminal whose file names and quoted input may hold
// control characters: each is written "\xHH" (line ends and tabs stay, and
// so does every other character, UTF-8 included), so no escape sequence of a
// file's name or content reaches the terminal. A name, which a message shows
// on one line, has its line ends and tabs escaped too.
enum class LineEnds { Keep, Escape };
std::string EscapeControls(std::string_view text, LineEnds lineEnds = LineEnds::Keep);

}  // namespace rv
