#pragma once

#include <string>

namespace rv {

// Breaks a line of generated code or comment once: a text of 48 characters or
// more is cut at the first '+' at or after its middle (length / 2); the blank
// before that '+' is dropped and the continuation put in its place. Shorter
// texts, and texts without a '+' from the middle on, come back unchanged.
std::string SplitLongLine(const std::string& text, const std::string& continuation);

}  // namespace rv
