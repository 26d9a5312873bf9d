#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

#include "files/data_file_format.h"
#include "sample_documents.h"

namespace rv::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes SampleBytes() {
  const DataFileBytes image = EncodeDataFile(SampleDocument(), SampleSession());
  return Bytes(image.begin(), image.end());
}

void Put32(Bytes& bytes, std::size_t offset, std::int64_t value) {
  for (int i = 0; i < 4; ++i)
    bytes.at(offset + i) = static_cast<std::uint8_t>(static_cast<std::uint64_t>(value) >> (8 * i));
}

void Put64(Bytes& bytes, std::size_t offset, double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  for (int i = 0; i < 8; ++i) bytes.at(offset + i) = static_cast<std::uint8_t>(bits >> (8 * i));
}

void Fill(Bytes& bytes, std::size_t offset, std::size_t size, char c) {
  for (std::size_t i = 0; i < size; ++i) bytes.at(offset + i) = static_cast<std::uint8_t>(c);
}

DataFileContents Decode(const Bytes& bytes) {
  auto contents = DecodeDataFile(bytes);
  if (!contents) throw std::runtime_error("the decoder refused the file");
  return std::move(*contents);
}

TEST(DataFileDecoder, AcceptsAnyHeaderTextWithTheRightMagicNumber) {
  Bytes bytes = SampleBytes();
  Fill(bytes, 0, 66, '?');
  EXPECT_EQ(Decode(bytes).document.sheet.names[0], "Pressure");
  Put32(bytes, 66, 0x01311948);
  EXPECT_FALSE(DecodeDataFile(bytes));
}

TEST(DataFileDecoder, NeedsAllBytesAndNoneBeyondButAnExtension) {
  Bytes bytes = SampleBytes();
  EXPECT_FALSE(DecodeDataFile(std::span(bytes).first(16369)));
  EXPECT_FALSE(DecodeDataFile(std::span(bytes).first(0)));
  EXPECT_EQ(Decode(bytes).document.options.title2, "Gauge B");
  bytes.resize(20000, 0xEE);
  EXPECT_FALSE(DecodeDataFile(bytes));
}

TEST(DataFileDecoder, ClampsNumbersToTheRangesTheProgramWrites) {
  struct Case {
    std::size_t offset;
    std::int64_t stored;
    std::int32_t expected;
    std::int32_t (*read)(const DataFileContents&);
  };
  const auto maxTerms = [](const DataFileContents& c) { return c.document.options.maxTerms; };
  const auto xSegments = [](const DataFileContents& c) { return c.document.options.segments[0]; };
  const auto zSegments = [](const DataFileContents& c) { return c.document.options.segments[2]; };
  const auto points = [](const DataFileContents& c) { return c.document.pointCount; };
  const auto columns = [](const DataFileContents& c) { return c.document.columnCount; };
  const Case cases[] = {
      {15358, 0, 1, maxTerms},    {15358, 25, 20, maxTerms}, {15358, INT32_MIN, 1, maxTerms}, {15578, 0, 1, xSegments},
      {15586, 51, 50, zSegments}, {15578, -5, 1, xSegments}, {15366, 1000, 99, points},       {15366, -1, 0, points},
      {15362, 17, 16, columns},   {15362, -3, 0, columns},
  };
  for (const Case& c : cases) {
    Bytes bytes = SampleBytes();
    Put32(bytes, c.offset, c.stored);
    EXPECT_EQ(c.read(Decode(bytes)), c.expected) << "offset " << c.offset << " holding " << c.stored;
  }
}

TEST(DataFileDecoder, ResetsSelectionsOutsideTheirRangesToTheDefaults) {
  Bytes bytes = SampleBytes();
  Put32(bytes, 15590, 17);          // colour row
  Put32(bytes, 15594, 16);          // Background: never none
  Put32(bytes, 15594 + 4 * 4, 17);  // Solid Surface
  Put32(bytes, 15594 + 4 * 6, -1);  // Data Points
  Put32(bytes, 16110, 5);           // Move Selection After Enter
  Put32(bytes, 806 + 8, 3);         // format kind of X1
  Put32(bytes, 806 + 20, 13);       // places of X2
  const DataFileContents contents = Decode(bytes);
  EXPECT_EQ(contents.document.options.colorRow, 1);
  EXPECT_EQ(contents.document.options.graphColors[kBackground], 1);
  EXPECT_EQ(contents.document.options.graphColors[kSolidSurface], 11);
  EXPECT_EQ(contents.document.options.graphColors[kDataPoints], 5);
  EXPECT_EQ(contents.document.options.graphColors[kZLabels], 16) << "none is a valid selection elsewhere";
  EXPECT_EQ(contents.document.options.moveSelectionAfterEnter, 1);
  EXPECT_EQ(contents.document.sheet.formats[1], ColumnFormat{});
  EXPECT_EQ(contents.document.sheet.formats[2], (ColumnFormat{FormatKind::Scientific, 12}));
}

TEST(DataFileDecoder, CutsTextsThatRunToTheEndOfTheirFields) {
  Bytes bytes = SampleBytes();
  Fill(bytes, 78 + 12 * 5, 12, 'N');
  Fill(bytes, 15982, 64, 'T');
  Fill(bytes, 16046, 64, '\0');
  Fill(bytes, 15410, 128, 'e');
  Put32(bytes, 15406, 9999);
  const DataFileContents contents = Decode(bytes);
  EXPECT_EQ(contents.document.sheet.names[5], "NNNNNNNN");
  EXPECT_EQ(contents.document.options.title1, std::string(61, 'T'));
  EXPECT_EQ(contents.document.options.title2, "");
  EXPECT_EQ(contents.session.savedEquation.text, std::string(127, 'e'));
  EXPECT_EQ(contents.session.savedEquation.textLength(), 127);
}

TEST(DataFileDecoder, KeepsUsableColumnWidthsAndResetsTheOthers) {
  Bytes bytes = SampleBytes();
  Put32(bytes, 726, 500);                 // boundary 0 must be -1
  Put32(bytes, 726 + 4 * 5, 100);         // column 4 narrower than nothing, column 5 wider
  Put32(bytes, 726 + 4 * 10, INT32_MAX);  // columns 9 and 10 absurd
  const DataSheet sheet = Decode(bytes).document.sheet;
  EXPECT_EQ(sheet.columnBoundaries[0], -1);
  EXPECT_EQ(sheet.columnWidth(0), 80);
  EXPECT_EQ(sheet.columnWidth(2), 120);
  EXPECT_EQ(sheet.columnWidth(4), 80);
  EXPECT_EQ(sheet.columnWidth(5), 519 - 100);
  EXPECT_EQ(sheet.columnWidth(9), 80);
  EXPECT_EQ(sheet.columnWidth(10), 80);
  EXPECT_EQ(sheet.columnWidth(16), 33);
  for (int c = 0; c < 17; ++c) EXPECT_GT(sheet.columnBoundaries[c + 1], sheet.columnBoundaries[c]);
}

TEST(DataFileDecoder, NonFiniteValuesBecomeEmptyCells) {
  Bytes bytes = SampleBytes();
  Put64(bytes, 950, std::numeric_limits<double>::quiet_NaN());
  Put64(bytes, 950 + 8, -std::numeric_limits<double>::infinity());
  Put64(bytes, 294 + 8, std::numeric_limits<double>::infinity());
  const DataSheet sheet = Decode(bytes).document.sheet;
  EXPECT_TRUE(IsEmptyValue(sheet.cell(0, 0)));
  EXPECT_TRUE(IsEmptyValue(sheet.cell(0, 1)));
  EXPECT_EQ(sheet.cell(0, 2), 1.0 / 3);
  EXPECT_TRUE(IsEmptyValue(sheet.graphMinimum[1]));
}

TEST(DataFileDecoder, AStoredEquationNeedsAnOrdinalAndAPositiveRSquared) {
  Bytes bytes = SampleBytes();
  Fill(bytes, 15378, 20, 'z');  // both short texts garbled and unterminated
  const EquationRecord record = Decode(bytes).session.savedEquation;
  EXPECT_EQ(record.rSquaredText, " 0.856962");
  EXPECT_EQ(record.ordinalText, "14");

  for (const auto& [ordinal, rSquared] : std::vector<std::pair<std::int64_t, double>>{
           {0, 0.5}, {-4, 0.5}, {5, std::numeric_limits<double>::quiet_NaN()}, {5, -0.25}, {5, 0.0}}) {
    Bytes broken = SampleBytes();
    Put32(broken, 15398, ordinal);
    Put64(broken, 15370, rSquared);
    const DataFileContents contents = Decode(broken);
    EXPECT_EQ(contents.session.savedEquation.ordinal, 0) << ordinal << " " << rSquared;
    EXPECT_EQ(contents.session.savedEquation.text, "");
    EXPECT_EQ(contents.session.selectedIndex, -1) << "nothing to show";
  }
}

TEST(DataFileDecoder, ListIndicesOutsideTheListMeanNone) {
  for (const auto& [selected, graphed, expectedSelected, expectedGraphed] : std::vector<std::array<std::int64_t, 4>>{
           {1000, 1000, -1, -1}, {-7, -9, -1, -1}, {999, -2, 999, -2}, {3, 3, 3, 3}}) {
    Bytes bytes = SampleBytes();
    Put32(bytes, 15350, selected);
    Put32(bytes, 15354, graphed);
    const DataFileSession session = Decode(bytes).session;
    EXPECT_EQ(session.selectedIndex, expectedSelected) << selected;
    EXPECT_EQ(session.graphedIndex, expectedGraphed) << graphed;
  }
}

TEST(DataFileDecoder, SkipsGraphVariableRecordsWithoutATab) {
  Bytes bytes = SampleBytes();
  Fill(bytes, 15662, 20 * 16, '\0');
  Put32(bytes, 15662, 1);
  std::memcpy(&bytes[15662 + 4], "X1", 2);  // record 0: no tab, skipped
  Put32(bytes, 15662 + 20, 1);
  std::memcpy(&bytes[15662 + 24], "\tX2", 3);  // record 1: selected
  std::memcpy(&bytes[15662 + 44], "\tX3", 3);  // record 2: not selected
  Fill(bytes, 15662 + 5 * 20 + 4, 16, 'Q');
  bytes[15662 + 5 * 20 + 4] = '\t';  // record 5: unterminated
  const auto entries = Decode(bytes).session.graphVariables;
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0], (GraphVariableEntry{"\tX2", true}));
  EXPECT_EQ(entries[1], (GraphVariableEntry{"\tX3", false}));
  EXPECT_EQ(entries[2].text, "\t" + std::string(14, 'Q'));
}

}  // namespace
}  // namespace rv::testing
