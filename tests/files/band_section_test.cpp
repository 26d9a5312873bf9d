#include "files/band_section.h"

#include <gtest/gtest.h>

#include <functional>

#include "base/fnv1a.h"
#include "files/byte_fields.h"
#include "files/data_file_extension.h"
#include "files/data_file_format.h"
#include "sample_documents.h"

// The band settings travel in a section of their own behind the block and
// the rows' extension: a document with the defaults writes none, any other
// setting reopens as it was, and a damaged section refuses the whole file.

namespace rv::testing {
namespace {

namespace df = data_file;
using Bytes = std::vector<std::uint8_t>;

Document WithBands(Document document, int rows) {
  document.sheet.cells.ensureRows(rows);
  document.sheet.cells[static_cast<std::size_t>(rows - 1)][0] = 3.5;
  document.options.bands = {0.9, false, 4, kNoColor};
  return document;
}

void ResealSection(Bytes& bytes) {
  const std::span<std::uint8_t> section = std::span(bytes).last(df::kBandSectionSize);
  PutUint64(section, 32, Fnv1a64(section.first(32)));
}

TEST(BandSection, OnlyOtherSettingsAreWrittenAndTheyReopenOrRefuseTheFile) {
  const Bytes plain = EncodeDataFile(SampleDocument(), SampleSession());
  ASSERT_EQ(plain.size(), df::kFileSize) << "the default settings write no section";
  for (const int rows : {kSheetRows, 150}) {
    SCOPED_TRACE(rows);
    const Document document = WithBands(SampleDocument(), rows);
    const Bytes sound = EncodeDataFile(document, SampleSession());
    ASSERT_EQ(sound.size(), df::kFileSize + df::ExtensionSize(rows) + df::kBandSectionSize);
    const auto reopened = DecodeDataFile(sound);
    ASSERT_TRUE(reopened);
    EXPECT_EQ(reopened->document.options.bands, document.options.bands);
    EXPECT_EQ(EncodeDataFile(reopened->document, reopened->session), sound);

    const std::size_t at = sound.size() - df::kBandSectionSize;
    const struct {
      const char* damage;
      std::function<void(Bytes&)> make;
    } cases[] = {
        {"tag", [&](Bytes& b) { b[at + 2] ^= 0x20; }},
        {"version", [&](Bytes& b) { PutUint32(b, at + 8, 2), ResealSection(b); }},
        {"level below 50 %", [&](Bytes& b) { PutDouble(b, at + 12, 0.25), ResealSection(b); }},
        {"level of 1", [&](Bytes& b) { PutDouble(b, at + 12, 1.0), ResealSection(b); }},
        {"switch of 2", [&](Bytes& b) { PutUint32(b, at + 20, 2), ResealSection(b); }},
        {"colour of 17", [&](Bytes& b) { PutInt32(b, at + 24, 17), ResealSection(b); }},
        {"negative colour", [&](Bytes& b) { PutInt32(b, at + 28, -1), ResealSection(b); }},
        {"checksum", [&](Bytes& b) { b.back() ^= 1; }},
        {"a byte behind it", [&](Bytes& b) { b.push_back(0); }},
        {"cut short", [&](Bytes& b) { b.resize(b.size() - 1); }},
    };
    for (const auto& c : cases) {
      Bytes bytes = sound;
      c.make(bytes);
      EXPECT_FALSE(DecodeDataFile(bytes)) << c.damage;
    }
  }
}

}  // namespace
}  // namespace rv::testing
