// Any bytes as a text file in each encoding the import reads: decoding must
// never crash and always give valid UTF-8; bytes that are valid UTF-8 read
// as UTF-8 are the text as they stand, their byte order mark dropped.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "files/text_encoding.h"

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (rv::TextEncoding encoding : {rv::TextEncoding::Utf8, rv::TextEncoding::Windows1252, rv::TextEncoding::Latin1,
                                    rv::TextEncoding::Utf16LittleEndian, rv::TextEncoding::Utf16BigEndian})
    if (!rv::IsValidUtf8(rv::DecodeText(bytes, encoding))) Fail("a decoded text is no valid UTF-8");
  const rv::TextEncoding detected = rv::DetectTextEncoding(bytes);
  const std::string text = rv::TakeDecodedText(std::string(bytes), detected);
  if (detected == rv::TextEncoding::Utf8 && text != bytes.substr(rv::ByteOrderMarkLength(bytes, detected)))
    Fail("valid UTF-8 changed when read as UTF-8");
  return 0;
}
