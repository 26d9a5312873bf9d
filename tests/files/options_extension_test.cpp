#include "files/options_extension.h"

#include <gtest/gtest.h>

#include "base/fnv1a.h"
#include "files/byte_fields.h"
#include "files/data_file_extension.h"
#include "files/data_file_format.h"
#include "sample_reader.h"

// The weighting by sigma of Y travels in its own extension: a document
// without it is written as it always was, one with it reopens with it, after
// the rows' extension of a long sheet too, and a damaged extension is
// refused.

namespace rv::testing {
namespace {

namespace df = data_file;

TEST(OptionsExtension, CarriesTheWeightingAndNothingElse) {
  for (const int rows : {kSheetRows, 150}) {
    SCOPED_TRACE(rows);
    Document document = SampleDocument();
    document.sheet.cells.ensureRows(rows);
    document.sheet.cells[static_cast<std::size_t>(rows - 1)][0] = 2.5;
    const DataFileSession session = SampleSession();
    const DataFileBytes plain = EncodeDataFile(document, session);
    ASSERT_EQ(plain.size(), df::kFileSize + df::ExtensionSize(rows));

    document.options.weightedBySigma = true;
    DataFileBytes weighted = EncodeDataFile(document, session);
    ASSERT_EQ(weighted.size(), plain.size() + df::kOptionsSize);
    EXPECT_TRUE(std::equal(plain.begin(), plain.end(), weighted.begin()));
    const auto reopened = DecodeDataFile(weighted);
    ASSERT_TRUE(reopened.has_value());
    EXPECT_TRUE(reopened->document.options.weightedBySigma);
    EXPECT_EQ(reopened->document.sheet.cells.rowCount(), document.sheet.cells.rowCount());
    EXPECT_EQ(EncodeDataFile(reopened->document, reopened->session), weighted);
    EXPECT_FALSE(DecodeDataFile(plain)->document.options.weightedBySigma);

    const std::size_t start = plain.size();
    for (const std::size_t damaged :
         {start, start + df::kExtensionVersionOffset, start + df::kOptionsFlags, start + df::kOptionsSize - 1}) {
      DataFileBytes bad = weighted;
      bad[damaged] ^= 0x02;
      EXPECT_FALSE(DecodeDataFile(bad).has_value()) << damaged;
    }
    DataFileBytes unknownFlag = weighted;
    std::span<std::uint8_t> extension(unknownFlag.data() + start, df::kOptionsSize);
    PutUint32(extension, df::kOptionsFlags, 3);
    PutUint64(extension, df::kOptionsSize - 8, Fnv1a64(extension.first(df::kOptionsSize - 8)));
    EXPECT_FALSE(DecodeDataFile(unknownFlag).has_value());
    weighted.pop_back();
    EXPECT_FALSE(DecodeDataFile(weighted).has_value());
  }
}

}  // namespace
}  // namespace rv::testing
