#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace rv {

// Texts in a data file are single-byte Windows-1252 characters, so a field of
// n bytes holds n - 1 characters and its NUL; in memory they are UTF-8.
// Characters that Windows-1252 lacks, and bytes that are not valid UTF-8,
// become '?'.
std::string Utf8ToWindows1252(std::string_view text);
std::string Windows1252ToUtf8(std::string_view text);

// Writes at most maxCharacters characters (and never more than width - 1) and
// fills the rest of the field with NUL bytes. Returns the characters written.
std::size_t PutTextField(std::span<std::uint8_t> bytes, std::size_t offset, std::size_t width, std::string_view text,
                         std::size_t maxCharacters);

// The characters before the field's first NUL (all of them when it has none),
// at most maxCharacters of them.
std::string GetTextField(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t width,
                         std::size_t maxCharacters);

}  // namespace rv
