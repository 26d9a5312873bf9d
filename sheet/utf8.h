#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rv {

// Appends the code point's UTF-8 bytes.
void AppendUtf8(std::string& text, char32_t codePoint);

// Decodes one UTF-8 sequence at text[i]; returns its length, or 0 when the
// bytes there are not a valid, shortest-form sequence.
std::size_t DecodeUtf8(std::string_view text, std::size_t i, char32_t& codePoint);

}  // namespace rv
