#include "files/text_encoding.h"

#include <cstdint>

#include "files/file_text.h"
#include "sheet/utf8.h"

namespace rv {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";
constexpr char32_t kReplacement = 0xFFFD;

std::string DecodeUtf8Text(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) {
    char32_t codePoint = 0;
    const size_t length = DecodeUtf8(bytes, i, codePoint);
    if (length == 0) AppendUtf8(text, kReplacement);
    else text.append(bytes.substr(i, length));
    i += length == 0 ? 1 : length;
  }
  return text;
}

std::string DecodeLatin1(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (char byte : bytes) AppendUtf8(text, static_cast<std::uint8_t>(byte));
  return text;
}

std::string DecodeUtf16(std::string_view bytes, bool bigEndian) {
  const auto unit = [&](size_t i) -> char32_t {
    const auto first = static_cast<std::uint8_t>(bytes[i]);
    const auto second = static_cast<std::uint8_t>(bytes[i + 1]);
    return bigEndian ? (first << 8) | second : (second << 8) | first;
  };
  std::string text;
  text.reserve(bytes.size());
  size_t i = 0;
  for (; i + 1 < bytes.size(); i += 2) {
    const char32_t high = unit(i);
    if (high >= 0xD800 && high <= 0xDBFF && i + 3 < bytes.size()) {
      const char32_t low = unit(i + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        AppendUtf8(text, 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
        continue;
      }
    }
    AppendUtf8(text, high >= 0xD800 && high <= 0xDFFF ? kReplacement : high);
  }
  if (i < bytes.size()) AppendUtf8(text, kReplacement);
  return text;
}

}  // namespace

const char* TextEncodingName(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf8: return "UTF-8";
    case TextEncoding::Windows1252: return "Windows-1252";
    case TextEncoding::Latin1: return "Latin-1";
    case TextEncoding::Utf16LittleEndian: return "UTF-16LE";
    case TextEncoding::Utf16BigEndian: return "UTF-16BE";
  }
  return "";
}

bool IsValidUtf8(std::string_view bytes) {
  for (size_t i = 0; i < bytes.size();) {
    // Runs of ASCII are most of any text of numbers.
    if (static_cast<std::uint8_t>(bytes[i]) < 0x80) {
      ++i;
      continue;
    }
    char32_t codePoint = 0;
    const size_t length = DecodeUtf8(bytes, i, codePoint);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

TextEncoding DetectTextEncoding(std::string_view bytes) {
  if (bytes.starts_with(kUtf16LittleEndianMark)) return TextEncoding::Utf16LittleEndian;
  if (bytes.starts_with(kUtf16BigEndianMark)) return TextEncoding::Utf16BigEndian;
  return IsValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

std::size_t ByteOrderMarkLength(std::string_view bytes, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf8: return bytes.starts_with(kUtf8Mark) ? kUtf8Mark.size() : 0;
    case TextEncoding::Utf16LittleEndian: return bytes.starts_with(kUtf16LittleEndianMark) ? 2 : 0;
    case TextEncoding::Utf16BigEndian: return bytes.starts_with(kUtf16BigEndianMark) ? 2 : 0;
    case TextEncoding::Windows1252:
    case TextEncoding::Latin1: break;
  }
  return 0;
}

std::string DecodeText(std::string_view bytes, TextEncoding encoding) {
  bytes.remove_prefix(ByteOrderMarkLength(bytes, encoding));
  switch (encoding) {
    case TextEncoding::Utf8: return DecodeUtf8Text(bytes);
    case TextEncoding::Windows1252: return Windows1252ToUtf8(bytes);
    case TextEncoding::Latin1: return DecodeLatin1(bytes);
    case TextEncoding::Utf16LittleEndian: return DecodeUtf16(bytes, false);
    case TextEncoding::Utf16BigEndian: return DecodeUtf16(bytes, true);
  }
  return std::string(bytes);
}

std::string TakeDecodedText(std::string&& bytes, TextEncoding encoding) {
  if (encoding != TextEncoding::Utf8 || !IsValidUtf8(bytes)) return DecodeText(bytes, encoding);
  bytes.erase(0, ByteOrderMarkLength(bytes, encoding));
  return std::move(bytes);
}

}  // namespace rv
