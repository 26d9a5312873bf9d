#include "files/file_text.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "sheet/utf8.h"

namespace rv {

namespace {

// Code points of the bytes 0x80 to 0x9F; the five bytes Windows-1252 leaves
// undefined keep their own value, so every byte reads back as itself.
constexpr std::array<char32_t, 32> kHighControls = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePointOfByte(std::uint8_t byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

char ByteOfCodePoint(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<char>(codePoint);
  for (std::size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == codePoint) return static_cast<char>(0x80 + i);
  return '?';
}

}  // namespace

std::string Utf8ToWindows1252(std::string_view text) {
  std::string result;
  for (std::size_t i = 0; i < text.size();) {
    char32_t codePoint = 0;
    const std::size_t length = DecodeUtf8(text, i, codePoint);
    result += length == 0 ? '?' : ByteOfCodePoint(codePoint);
    i += length == 0 ? 1 : length;
  }
  return result;
}

std::string Windows1252ToUtf8(std::string_view text) {
  std::string result;
  for (char c : text) AppendUtf8(result, CodePointOfByte(static_cast<std::uint8_t>(c)));
  return result;
}

std::size_t PutTextField(std::span<std::uint8_t> bytes, std::size_t offset, std::size_t width, std::string_view text,
                         std::size_t maxCharacters) {
  if (width == 0 || offset > bytes.size() || width > bytes.size() - offset)
    throw std::out_of_range("text field outside the file image");
  const std::string encoded = Utf8ToWindows1252(text);
  const std::size_t length = std::min({encoded.size(), maxCharacters, width - 1});
  std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), width, std::uint8_t{0});
  std::copy_n(encoded.begin(), length, bytes.begin() + static_cast<std::ptrdiff_t>(offset));
  return length;
}

std::string GetTextField(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t width,
                         std::size_t maxCharacters) {
  if (offset > bytes.size() || width > bytes.size() - offset)
    throw std::out_of_range("text field outside the file image");
  const auto field = bytes.subspan(offset, width);
  std::size_t length = 0;
  while (length < field.size() && field[length] != 0) ++length;
  length = std::min(length, maxCharacters);
  return Windows1252ToUtf8(std::string_view(reinterpret_cast<const char*>(field.data()), length));
}

}  // namespace rv
