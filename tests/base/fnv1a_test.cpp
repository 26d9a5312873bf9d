#include "base/fnv1a.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>
#include <vector>

namespace rv::testing {
namespace {

// The checksum README documents, by the published FNV-1a 64 test values,
// read whole, byte by byte, and as little-endian words where the text
// fills whole words (the form a search shard's fingerprint takes).
TEST(Fnv1a64, GivesThePublishedValuesHoweverTheBytesAreFed) {
  struct Case {
    std::string_view text;
    std::uint64_t hash;
  };
  const Case cases[] = {
      {"", 0xCBF29CE484222325u},
      {"a", 0xAF63DC4C8601EC8Cu},
      {"foobar", 0x85944171F73967E8u},
      {"chongo was here!\n", 0x46810940EFF5F915u},
      {"chongo was here!", 0x858E2FA32A55E61Du},  // reckoned apart, to be read by words
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Fnv1a64(c.text), c.hash) << '"' << c.text << '"';
    Fnv1a64Hash bytes;
    for (const char character : c.text) bytes.add(std::vector<std::uint8_t>{static_cast<std::uint8_t>(character)});
    EXPECT_EQ(bytes.value(), c.hash) << '"' << c.text << "\" byte by byte";
    if (c.text.size() % 8 != 0) continue;
    Fnv1a64Hash words;
    for (std::size_t start = 0; start < c.text.size(); start += 8) {
      std::uint64_t word = 0;
      for (int byte = 7; byte >= 0; --byte) word = (word << 8) | static_cast<std::uint8_t>(c.text[start + byte]);
      words.add(word);
    }
    EXPECT_EQ(words.value(), c.hash) << '"' << c.text << "\" by words";
  }
}

}  // namespace
}  // namespace rv::testing
