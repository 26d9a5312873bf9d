#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <limits>
#include <random>

#include "base/fnv1a.h"
#include "files/band_section.h"
#include "files/byte_fields.h"
#include "files/data_file_extension.h"
#include "files/data_file_format.h"
#include "files/data_file_messages.h"
#include "files/options_extension.h"
#include "files/read_data_file.h"
#include "files/recovery_file.h"
#include "files/write_data_file.h"
#include "sample_reader.h"
#include "temporary_folder.h"

// A sheet longer than 99 rows: its file is the 99-row block followed by the
// extension, it reopens bit for bit, a sheet that fits is written as it
// always was, and a damaged extension is refused without touching the sheet.

namespace rv::testing {
namespace {

namespace df = data_file;
using Bytes = std::vector<std::uint8_t>;

// The sample sheet with values in rows 100 to `rows` that only a bit-exact
// trip keeps: random doubles over the whole range, -0, the smallest
// denormal, empty cells; the last row holds a value.
Document LongDocument(int rows, unsigned seed) {
  Document document = SampleDocument();
  SheetValues& cells = document.sheet.cells;
  cells.ensureRows(rows);
  std::mt19937_64 random(seed);
  for (int r = kSheetRows; r < rows; ++r)
    for (double& value : cells[static_cast<std::size_t>(r)]) {
      switch (random() % 8) {
        case 0: value = EmptyValue; break;
        case 1: value = -0.0; break;
        case 2: value = std::numeric_limits<double>::denorm_min(); break;
        default: {
          const double drawn = std::bit_cast<double>(random());
          value = std::isfinite(drawn) ? drawn : 1.5;
        }
      }
    }
  cells[static_cast<std::size_t>(rows - 1)][0] = 7.25;
  return document;
}

using Reader = SampleReader;

TEST(LongSheetFile, SavesAndReopensBitForBitAsTheBlockAndItsExtension) {
  TemporaryFolder folder;
  for (const int rows : {100, 1000, 20000}) {
    SCOPED_TRACE(rows);
    Document document = LongDocument(rows, 1000u + static_cast<unsigned>(rows));
    DataFileSession session = SampleSession();
    EquationList equations;
    equations.setSingleEntry(session.savedEquation);
    RecentFiles recent;
    const std::string path = folder.file("long.rvd");
    ASSERT_TRUE(WriteDataFile(path, document, session, equations, recent));

    const Bytes bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 16370u + 24u + 136u * static_cast<std::size_t>(rows - 99));
    Document first99 = document;
    for (int r = kSheetRows; r < rows; ++r) first99.sheet.cells[static_cast<std::size_t>(r)] = SheetValues::EmptyRow();
    const DataFileBytes block = EncodeDataFile(first99, session);
    ASSERT_EQ(block.size(), 16370u);
    EXPECT_TRUE(std::equal(block.begin(), block.end(), bytes.begin())) << "the block is the first 99 rows' file";

    Reader reader;
    ASSERT_TRUE(reader.read(path));
    EXPECT_TRUE(SameBits(reader.document.sheet.cells, document.sheet.cells));
    EXPECT_EQ(reader.equations.size(), 1);

    const RecoverySlot slot = NewRecoverySlot();
    ASSERT_TRUE(SaveRecoveryFile(folder.path(), slot, {1, 1}, {document, session, equations, std::nullopt}));
    Reader recovered;
    ASSERT_TRUE(RestoreRecoveredSheet(folder.path(), slot, recovered.document, recovered.session, recovered.equations));
    EXPECT_TRUE(SameBits(recovered.document.sheet.cells, document.sheet.cells)) << "the recovery file";
  }
}

// Files the program wrote before sheets grew read and write back byte for
// byte, also when the sheet in memory has grown empty rows since.
TEST(LongSheetFile, ASheetThatFitsIsWrittenByteForByteAsBefore) {
  const std::string source = REGROVANTIS_SOURCE_DIR;
  for (const std::string name : {"/examples/ideal_gas.rvd", "/tests/data/rvd/every_field.rvd",
                                 "/tests/data/rvd/new_sheet.rvd", "/tests/data/rvd/stored_equation.rvd"}) {
    const Bytes bytes = ReadBytes(source + name);
    ASSERT_EQ(bytes.size(), 16370u) << name;
    auto contents = DecodeDataFile(bytes);
    ASSERT_TRUE(contents) << name;
    EXPECT_EQ(EncodeDataFile(contents->document, contents->session), bytes) << name;
    contents->document.sheet.cells.ensureRows(5000);
    EXPECT_EQ(EncodeDataFile(contents->document, contents->session), bytes) << name << " with empty rows";
  }
}

// The extension's checksum made anew, so that a damage is found by the check
// it is meant for and not only by the checksum.
void Reseal(Bytes& bytes) {
  const std::span<std::uint8_t> extension = std::span(bytes).subspan(df::kFileSize);
  const std::size_t checked = extension.size() - df::kExtensionChecksumSize;
  PutUint64(extension, checked, Fnv1a64(extension.first(checked)));
}

TEST(LongSheetFile, ADamagedExtensionIsRefusedAndTheSheetStays) {
  TemporaryFolder folder;
  const Bytes sound = EncodeDataFile(LongDocument(120, 7), SampleSession());
  const Bytes fits = EncodeDataFile(SampleDocument(), SampleSession());
  const std::size_t extension = df::kFileSize;
  const struct {
    const char* damage;
    std::function<void(Bytes&)> make;
  } cases[] = {
      {"tag", [&](Bytes& b) { b[extension + 3] ^= 0x20; }},
      {"version", [&](Bytes& b) { PutUint32(b, extension + 8, 2), Reseal(b); }},
      {"row count of 99", [&](Bytes& b) { PutUint32(b, extension + 12, 99), Reseal(b); }},
      {"row count past 100,000", [&](Bytes& b) { PutUint32(b, extension + 12, 100001), Reseal(b); }},
      {"one row more than the bytes", [&](Bytes& b) { PutUint32(b, extension + 12, 121), Reseal(b); }},
      {"one row fewer than the bytes", [&](Bytes& b) { PutUint32(b, extension + 12, 119), Reseal(b); }},
      {"checksum", [&](Bytes& b) { b.back() ^= 1; }},
      {"a value", [&](Bytes& b) { b[extension + 16 + 500] ^= 0x40; }},
      {"a byte behind it", [&](Bytes& b) { b.push_back(0); }},
      {"a row behind it", [&](Bytes& b) { b.insert(b.end() - 8, 136, 0), Reseal(b); }},
      {"cut in its last row", [&](Bytes& b) { b.resize(b.size() - 9); }},
      {"cut to its tag", [&](Bytes& b) { b.resize(extension + 8); }},
      {"one byte behind a 99-row file", [&](Bytes& b) { b = fits, b.push_back(0xA5); }},
      {"a megabyte behind a 99-row file", [&](Bytes& b) { b = fits, b.resize(b.size() + (1 << 20), 0xA5); }},
  };
  WriteBytes(folder.file("sound.rvd"), sound);
  ASSERT_TRUE(Reader().read(folder.file("sound.rvd"))) << "the undamaged file";
  for (const auto& c : cases) {
    Bytes bytes = sound;
    c.make(bytes);
    WriteBytes(folder.file("damaged.rvd"), bytes);
    Reader reader;
    reader.document.sheet.cells.ensureRows(300);
    const Document before = reader.document;
    const Outcome<ViewUpdates> outcome = reader.read(folder.file("damaged.rvd"));
    ASSERT_FALSE(outcome) << c.damage;
    EXPECT_EQ(outcome.message().text, CorruptedFileMessage().text) << c.damage;
    EXPECT_TRUE(SameBits(reader.document.sheet.cells, before.sheet.cells)) << c.damage;
    EXPECT_EQ(EncodeDataFile(reader.document, reader.session), EncodeDataFile(before, SampleSession())) << c.damage;
  }
  // Longer than any sheet makes, with its options: refused unread, the limit named.
  Bytes tooLong = sound;
  tooLong.resize(df::kFileSize + df::ExtensionSize(kMaxSheetRows) + df::kOptionsSize + df::kBandSectionSize + 1);
  WriteBytes(folder.file("long.rvd"), tooLong);
  const Outcome<ViewUpdates> outcome = Reader().read(folder.file("long.rvd"));
  ASSERT_FALSE(outcome);
  EXPECT_EQ(outcome.message().text, "Error opening input data file\n" + folder.file("long.rvd") +
                                        "\n(it is larger than 13602994 bytes, the size of a data file of 100000 rows)");
}

}  // namespace
}  // namespace rv::testing
