#include <gtest/gtest.h>

#include <bit>
#include <cstring>

#include "files/read_data_file.h"
#include "files/write_data_file.h"
#include "sample_documents.h"
#include "temporary_folder.h"

// The offsets here are written out by hand from the file layout, not taken
// from the program's own layout constants, so that a shifted field shows.

namespace rv::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t U32(const Bytes& b, std::size_t o) {
  return std::uint32_t{b.at(o)} | std::uint32_t{b.at(o + 1)} << 8 | std::uint32_t{b.at(o + 2)} << 16 |
         std::uint32_t{b.at(o + 3)} << 24;
}
std::int32_t I32(const Bytes& b, std::size_t o) { return static_cast<std::int32_t>(U32(b, o)); }
std::uint64_t Bits(const Bytes& b, std::size_t o) { return U32(b, o) | std::uint64_t{U32(b, o + 4)} << 32; }
std::uint64_t Bits(double value) { return std::bit_cast<std::uint64_t>(value); }
std::string Raw(const Bytes& b, std::size_t o, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(b.data() + o), size);
}
std::string Field(const char* text, std::size_t width) {
  std::string field(text);
  field.resize(width, '\0');
  return field;
}
bool AllZero(const Bytes& b, std::size_t o, std::size_t size) {
  for (std::size_t i = o; i < o + size; ++i)
    if (b.at(i) != 0) return false;
  return true;
}

class DataFileLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    Document document = SampleDocument();
    DataFileSession session = SampleSession();
    EquationList list;
    list.setSingleEntry(session.savedEquation);
    RecentFiles recent;
    ASSERT_TRUE(WriteDataFile(folder.file("sample"), document, session, list, recent));
    bytes = ReadBytes(folder.file("sample.rvd"));
    ASSERT_EQ(bytes.size(), 16370u);
  }
  TemporaryFolder folder;
  Bytes bytes;
};

TEST_F(DataFileLayout, HeaderBannerAndMagicNumber) {
  EXPECT_EQ(Raw(bytes, 0, 18), "Regrovantis Data\r\n");
  const std::string banner = Raw(bytes, 18, 47);
  EXPECT_EQ(banner.substr(45), "\r\n");
  EXPECT_EQ(banner.find('\0'), std::string::npos);
  EXPECT_EQ(bytes[65], 0x1A);
  EXPECT_EQ(Raw(bytes, 66, 4), std::string("\x47\x19\x31\x01", 4));
  EXPECT_EQ(U32(bytes, 70), 0u);
  EXPECT_EQ(U32(bytes, 74), 0u) << "Auto Update off";
}

TEST_F(DataFileLayout, PerColumnFields) {
  EXPECT_EQ(Raw(bytes, 78, 12), Field("Pressure", 12));
  EXPECT_EQ(Raw(bytes, 78 + 12, 12), Field("Temp", 12));
  EXPECT_EQ(Raw(bytes, 78 + 2 * 12, 12), Field("X2", 12));
  EXPECT_EQ(Raw(bytes, 78 + 16 * 12, 12), Field("Last", 12));
  EXPECT_EQ(Raw(bytes, 78 + 17 * 12, 12), Field("X17", 12));

  EXPECT_EQ(Bits(bytes, 294 + 8), Bits(250.0));
  EXPECT_EQ(Bits(bytes, 294), Bits(EmptyValue));
  EXPECT_EQ(Bits(bytes, 438 + 8), Bits(400.0));
  EXPECT_EQ(Bits(bytes, 582 + 2 * 8), Bits(10.5));
  EXPECT_EQ(Bits(bytes, 582 + 16 * 8), Bits(-3.0));
  EXPECT_EQ(Bits(bytes, 582 + 17 * 8), Bits(EmptyValue));

  const std::int32_t expectedBoundaries[18] = {-1,  79,  159, 279, 359,  439,  519,  599,  679,
                                               759, 839, 919, 999, 1079, 1159, 1239, 1319, 1352};
  for (int c = 0; c < 18; ++c) EXPECT_EQ(I32(bytes, 726 + 4 * c), expectedBoundaries[c]) << "boundary " << c;
  EXPECT_TRUE(AllZero(bytes, 726 + 18 * 4, 8)) << "the two unused boundaries";

  EXPECT_EQ(U32(bytes, 806), 0u);
  EXPECT_EQ(U32(bytes, 806 + 4), 2u);
  EXPECT_EQ(U32(bytes, 806 + 8), 1u);
  EXPECT_EQ(U32(bytes, 806 + 12), 3u);
  EXPECT_EQ(U32(bytes, 806 + 16), 2u);
  EXPECT_EQ(U32(bytes, 806 + 20), 12u);
  EXPECT_EQ(U32(bytes, 806 + 17 * 8), 1u);
  EXPECT_EQ(U32(bytes, 806 + 17 * 8 + 4), 0u);
}

TEST_F(DataFileLayout, CellsRowByRowThenFiller) {
  const Document document = SampleDocument();
  for (int r = 0; r < 99; ++r)
    for (int c = 0; c < 17; ++c)
      ASSERT_EQ(Bits(bytes, 950 + (r * 17 + c) * 8), Bits(document.sheet.cell(r, c))) << r << "," << c;
  EXPECT_EQ(Bits(bytes, 950 + 4 * 8), Bits(-0.0));
  EXPECT_EQ(Bits(bytes, 950 + (98 * 17 + 16) * 8), Bits(42.25));
  EXPECT_TRUE(AllZero(bytes, 950 + 13464, 936));
}

TEST_F(DataFileLayout, SearchStateAndStoredEquation) {
  EXPECT_EQ(I32(bytes, 15350), 0);
  EXPECT_EQ(I32(bytes, 15354), 0);
  EXPECT_EQ(I32(bytes, 15358), 7);
  EXPECT_EQ(I32(bytes, 15362), 4);
  EXPECT_EQ(I32(bytes, 15366), 10);

  EXPECT_EQ(Bits(bytes, 15370), Bits(kSampleRSquared));
  EXPECT_EQ(Raw(bytes, 15378, 12), Field(" 0.856962", 12));
  EXPECT_EQ(Raw(bytes, 15390, 8), Field("14", 8));
  EXPECT_EQ(I32(bytes, 15398), 14);
  EXPECT_EQ(U32(bytes, 15402), 0u) << "the text reference means nothing in a file";
  EXPECT_EQ(I32(bytes, 15406), static_cast<std::int32_t>(std::strlen(kSampleEquation)));
  EXPECT_EQ(Raw(bytes, 15410, 128), Field(kSampleEquation, 128));

  const std::uint32_t sets[6] = {1, 0, 1, 1, 0, 1};
  for (int s = 0; s < 6; ++s) EXPECT_EQ(U32(bytes, 15538 + 4 * s), sets[s]) << "Set " << s + 1;
  EXPECT_TRUE(AllZero(bytes, 15562, 12)) << "reserved words";
  EXPECT_EQ(U32(bytes, 15574), 1u) << "graph drawn";
}

TEST_F(DataFileLayout, GraphOptionsVariablesTitlesAndTrailer) {
  EXPECT_EQ(I32(bytes, 15578), 12);
  EXPECT_EQ(I32(bytes, 15582), 20);
  EXPECT_EQ(I32(bytes, 15586), 50);
  EXPECT_EQ(I32(bytes, 15590), 4);
  const std::int32_t colors[16] = {2, 16, 16, 0, 7, 3, 5, 12, 16, 0, 5, 16, 0, 8, 16, 16};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(I32(bytes, 15594 + 4 * i), colors[i]) << "colour " << i;

  EXPECT_EQ(U32(bytes, 15658), 3u);
  EXPECT_EQ(U32(bytes, 15662), 1u);
  EXPECT_EQ(Raw(bytes, 15666, 16), Field("\tTemp", 16));
  EXPECT_EQ(U32(bytes, 15682), 0u);
  EXPECT_EQ(Raw(bytes, 15686, 16), Field("\tX2", 16));
  EXPECT_EQ(U32(bytes, 15702), 1u);
  EXPECT_EQ(Raw(bytes, 15706, 16), Field("\tX3", 16));
  EXPECT_TRUE(AllZero(bytes, 15722, 13 * 20)) << "records without an entry";

  EXPECT_EQ(Raw(bytes, 15982, 64), Field("Laboratory run 12", 64));
  EXPECT_EQ(Raw(bytes, 16046, 64), Field("Gauge B", 64));
  EXPECT_EQ(I32(bytes, 16110), 2);
  EXPECT_TRUE(AllZero(bytes, 16114, 256));
}

}  // namespace
}  // namespace rv::testing
