#include "sheet/quoted_text.h"

namespace rv {

std::string QuotedText(std::string_view text, std::size_t shown) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string quoted = "'";
  for (std::size_t i = 0; i < text.size() && i < shown; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x20 && byte < 0x7F) {
      quoted += static_cast<char>(byte);
    } else {
      quoted += "\\x";
      quoted += kHex[byte >> 4];
      quoted += kHex[byte & 0xF];
    }
  }
  quoted += text.size() > shown ? "'..." : "'";
  return quoted;
}

}  // namespace rv
