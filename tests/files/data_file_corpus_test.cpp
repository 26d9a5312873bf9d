#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "data_file_invariants.h"
#include "files/read_data_file.h"
#include "sample_reader.h"
#include "temporary_folder.h"

// The reader over the seed files of its fuzz target, and over damaged copies
// of them: cut short, grown, with bytes flipped, and random bytes behind a
// correct magic number. No file may crash it or give a document outside the
// program's ranges, and a refused file must leave the sheet in memory alone.

namespace rv::testing {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

std::vector<std::string> SeedFiles() {
  std::vector<std::string> seeds;
  for (const auto& entry : fs::directory_iterator(std::string(REGROVANTIS_SOURCE_DIR) + "/tests/data/rvd"))
    if (entry.path().extension() == ".rvd") seeds.push_back(entry.path().string());
  std::sort(seeds.begin(), seeds.end());
  return seeds;
}

using Reader = SampleReader;

void ExpectSound(const DataFileContents& contents, const std::string& what) {
  const std::string violation = DataFileInvariantViolation(contents);
  EXPECT_TRUE(violation.empty()) << what << ": " << violation;
}

TEST(DataFileCorpus, EverySeedReadsIntoASoundDocument) {
  const auto seeds = SeedFiles();
  ASSERT_GE(seeds.size(), 5u);
  for (const std::string& seed : seeds) {
    Reader reader;
    const Outcome<ViewUpdates> outcome = reader.read(seed);
    ASSERT_TRUE(outcome) << seed;
    ExpectSound(reader.contents(), seed);
    EXPECT_LE(reader.equations.size(), 1);
    EXPECT_EQ(reader.session.selectedIndex, reader.equations.empty() ? -1 : 0) << seed;
  }
}

// Bytes behind the block must be a sound extension (long_sheet_file_test.cpp):
// grown by anything else, a file is as damaged as one cut short.
TEST(DataFileCorpus, ShortAndGrownFilesAreRefusedAndLeaveTheSheet) {
  TemporaryFolder folder;
  const std::size_t cuts[] = {0, 1, 18, 65, 66, 69, 70, 78, 950, 15350, 15370, 15410, 15662, 16114, 16369};
  for (const std::string& seed : SeedFiles()) {
    const Bytes bytes = ReadBytes(seed);
    std::vector<std::pair<std::string, Bytes>> damaged;
    for (std::size_t cut : cuts)
      damaged.emplace_back("cut to " + std::to_string(cut),
                           Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut)));
    for (std::size_t extra : {std::size_t{1}, std::size_t{256}, std::size_t{1} << 20}) {
      damaged.emplace_back("grown by " + std::to_string(extra), bytes);
      damaged.back().second.resize(bytes.size() + extra, 0xA5);
    }
    for (const auto& [what, file] : damaged) {
      SCOPED_TRACE(::testing::Message() << seed << " " << what);
      WriteBytes(folder.file("damaged.rvd"), file);
      Reader reader;
      const DataFileBytes before = EncodeDataFile(reader.document, reader.session);
      EXPECT_FALSE(reader.read(folder.file("damaged.rvd")));
      EXPECT_EQ(EncodeDataFile(reader.document, reader.session), before);
    }
  }
}

// Bytes of every seed in turn, inverted: every byte outside the cells, and a
// spread of cell bytes (each cell is read the same way). Only the magic
// number's bytes may make the file unreadable.
TEST(DataFileCorpus, AnyFlippedByteGivesASoundDocument) {
  constexpr std::size_t kCells = 950, kCellsEnd = 950 + 14400;
  const auto next = [&](std::size_t i) { return i >= kCells && i < kCellsEnd ? std::min(i + 97, kCellsEnd) : i + 1; };
  for (const std::string& seed : SeedFiles()) {
    Bytes bytes = ReadBytes(seed);
    for (std::size_t i = 0; i < bytes.size(); i = next(i)) {
      bytes[i] ^= 0xFF;
      const auto contents = DecodeDataFile(bytes);
      bytes[i] ^= 0xFF;
      const bool inMagic = i >= 66 && i < 70;
      ASSERT_EQ(contents.has_value(), !inMagic) << seed << " byte " << i;
      if (contents) {
        const std::string violation = DataFileInvariantViolation(*contents);
        ASSERT_TRUE(violation.empty()) << seed << " byte " << i << ": " << violation;
      }
    }
  }
}

TEST(DataFileCorpus, RandomBytesBehindTheMagicNumberGiveASoundDocument) {
  TemporaryFolder folder;
  std::mt19937 random(20240611);
  for (int file = 0; file < 40; ++file) {
    Bytes bytes(16370);
    for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random());
    const std::uint8_t magic[] = {0x47, 0x19, 0x31, 0x01};
    std::copy(std::begin(magic), std::end(magic), bytes.begin() + 66);
    WriteBytes(folder.file("random.rvd"), bytes);
    Reader reader;
    ASSERT_TRUE(reader.read(folder.file("random.rvd"))) << file;
    ExpectSound(reader.contents(), "random file " + std::to_string(file));
  }
}

}  // namespace
}  // namespace rv::testing
