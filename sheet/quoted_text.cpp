#include "sheet/quoted_text.h"

#include "sheet/utf8.h"

namespace rv {

std::string QuotedText(std::string_view text, std::size_t shown) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string quoted = "'";
  std::size_t i = 0;
  for (std::size_t characters = 0; i < text.size() && characters < shown; ++characters) {
    char32_t codePoint = 0;
    const std::size_t length = DecodeUtf8(text, i, codePoint);
    const bool control = codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F);
    if (length > 0 && !control) {
      quoted.append(text.substr(i, length));
      i += length;
    } else {
      const auto byte = static_cast<unsigned char>(text[i]);
      quoted += "\\x";
      quoted += kHex[byte >> 4];
      quoted += kHex[byte & 0xF];
      ++i;
    }
  }
  quoted += i < text.size() ? "'..." : "'";
  return quoted;
}

std::string EscapeControls(std::string_view text, LineEnds lineEnds) {
  const bool keepLineEnds = lineEnds == LineEnds::Keep;
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string escaped;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
    // U+0080 to U+009F, the C1 controls, are 0xC2 0x80 to 0xC2 0x9F in UTF-8.
    const bool c1 = byte == 0xC2 && next >= 0x80 && next <= 0x9F;
    const bool lineEnd = byte == '\n' || byte == '\t';
    if ((byte < 0x20 && !(lineEnd && keepLineEnds)) || byte == 0x7F || c1) {
      for (std::size_t k = 0; k < (c1 ? 2u : 1u); ++k) {
        const auto b = static_cast<unsigned char>(text[i + k]);
        escaped += "\\x";
        escaped += kHex[b >> 4];
        escaped += kHex[b & 0xF];
      }
      i += c1 ? 1 : 0;
    } else {
      escaped += static_cast<char>(byte);
    }
  }
  return escaped;
}

}  // namespace rv
