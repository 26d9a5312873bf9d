#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cstring>
#include <filesystem>

#include "files/data_file_format.h"
#include "files/delimited_text.h"
#include "files/file_paths.h"
#include "run_tool.h"

namespace rv::testing {
namespace {

class ConvertCommand : public ToolFolderTest {
 protected:
  static ToolResult convert(const std::string& in, const std::string& out) { return RunTool({"convert", in, out}); }
};

SheetValues ValuesOf(const std::string& text, char delimiter) {
  const Outcome<SheetValues> parsed = ParseDelimitedText(text, delimiter);
  if (!parsed) ADD_FAILURE() << parsed.message().text;
  return parsed ? *parsed : SheetValues{};
}

// A sheet of 1,200 rows: its data file is the 16,370-byte block and an
// extension of 24 + 136 bytes a row past the 99th.
TEST_F(ConvertCommand, TextToDataFileAndBackKeepsEveryValue) {
  std::string longText = "Y,X1,X16\n";
  for (int r = 0; r < 1200; ++r)
    longText += std::to_string(r) + "," + (r % 7 == 0 ? "" : std::to_string(r * 0.37)) + ",-0\n";
  const struct {
    std::string text;
    std::uintmax_t fileSize;
  } cases[] = {
      {"Y,X1,X2,X5\n"
       "1.5,-0,4.9406564584124654e-324,1.7976931348623157e+308\n"
       "0.1,,3,\n"
       ",2.2250738585072014e-308,-7.25e-12,6\n"
       "3,4,5,6\n",
       16370u},
      {longText, 16370u + 24u + 136u * (1200u - 99u)},
  };
  for (const auto& c : cases) {
    const std::string& text = c.text;
    WriteFile(path("in.csv"), text);
    ASSERT_EQ(convert(path("in.csv"), path("sheet.rvd")).status, 0);
    EXPECT_EQ(std::filesystem::file_size(path("sheet.rvd")), c.fileSize);
    ASSERT_EQ(convert(path("sheet.rvd"), path("out.csv")).status, 0);
    EXPECT_TRUE(SameBits(ValuesOf(text, ','), ValuesOf(ReadFile(path("out.csv")), ',')));

    ASSERT_EQ(convert(path("out.csv"), path("again.rvd")).status, 0);
    EXPECT_EQ(ReadFile(path("again.rvd")), ReadFile(path("sheet.rvd")));
    ASSERT_EQ(convert(path("sheet.rvd"), path("out.tsv")).status, 0);
    EXPECT_TRUE(SameBits(ValuesOf(text, ','), ValuesOf(ReadFile(path("out.tsv")), '\t')));
  }
}

// A link to a device or a pipe is refused before anything is read or
// written, in either direction, and the device stays a device.
TEST_F(ConvertCommand, AnOutputThatLeadsToADeviceOrAPipeIsRefused) {
  const bool device = mknod(path("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
  ASSERT_EQ(mkfifo(path("pipe").c_str(), 0600), 0);
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"pipe", "out.csv"}, {"pipe", "out.rvd"}, {"null", "out.tsv"}, {"null", "out.rvd"}};
  for (const auto& [special, out] : cases) {
    if (special == "null" && !device) continue;  // mknod needs privileges
    SCOPED_TRACE(out);
    std::filesystem::remove(path(out));
    std::filesystem::create_symlink(special, path(out));
    const ToolResult result = convert(HasDataFileExtension(out) ? kIdealGasCsv : kIdealGasRvd, path(out));
    EXPECT_EQ(result.status, 1);
    const std::string kind = special == "pipe" ? "a pipe" : "a device";
    EXPECT_EQ(result.err, "'" + path(out) + "' leads to " + kind + ", not a file\n");
    EXPECT_TRUE(std::filesystem::is_symlink(path(out)));
  }
  EXPECT_TRUE(std::filesystem::is_fifo(path("pipe")));
  if (device) EXPECT_TRUE(std::filesystem::is_character_file(path("null")));
}

TEST_F(ConvertCommand, ADataFileFromTextHasTheDefaultsOfANewSheet) {
  ASSERT_EQ(convert(kIdealGasCsv, path("gas.rvd")).status, 0);
  const std::string bytes = ReadFile(path("gas.rvd"));
  const auto contents = DecodeDataFile(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
  ASSERT_TRUE(contents);
  Document fresh;
  fresh.sheet.cells = contents->document.sheet.cells;
  EXPECT_EQ(EncodeDataFile(contents->document, contents->session), EncodeDataFile(fresh, DataFileSession{}));
  EXPECT_EQ(ReadFile(kIdealGasRvd), bytes) << "examples/ideal_gas.rvd is the converted example";
}

TEST_F(ConvertCommand, SearchOnADataFileUsesItsStoredOptionsUnlessGiven) {
  ASSERT_EQ(convert(kIdealGasCsv, path("gas.csv")).status, 0);
  Document document;
  document.sheet.cells = ValuesOf(ReadFile(path("gas.csv")), ',');
  document.options.maxTerms = 2;
  document.options.setEnabled = {false, true, false, false, true, false};
  const DataFileBytes image = EncodeDataFile(document, DataFileSession{});
  WriteFile(path("options.rvd"), std::string(image.begin(), image.end()));

  const ToolResult stored = RunTool({"search", path("options.rvd"), "--json", "--quiet", "--top", "1"});
  ASSERT_EQ(stored.status, 0) << stored.err;
  EXPECT_NE(stored.out.find("\"max_terms\": 2"), std::string::npos) << stored.out;
  EXPECT_NE(stored.out.find("\"sets\": [2, 5]"), std::string::npos) << stored.out;
  const ToolResult given =
      RunTool({"search", path("options.rvd"), "--json", "--quiet", "--top", "1", "--max-terms", "3"});
  EXPECT_NE(given.out.find("\"max_terms\": 3"), std::string::npos) << given.out;
  EXPECT_NE(given.out.find("\"sets\": [2, 5]"), std::string::npos);

  const ToolResult example = RunTool({"search", kIdealGasRvd, "--top", "1", "--quiet"});
  EXPECT_EQ(example.out, " 0.999912\t43068\tln(Y) = a ln(X1) + b ln(X2) + c ln(X3) + d\n");

  // A data file converted with --sigma X16 keeps the weighting: its search
  // is the weighted search of the text.
  const std::string counts = std::string(REGROVANTIS_SOURCE_DIR) + "/examples/decay_counts.csv";
  const ToolResult weightedConvert = RunTool({"convert", counts, path("counts.rvd"), "--sigma", "X16"});
  ASSERT_EQ(weightedConvert.status, 0) << weightedConvert.err;
  const ToolResult weightedText = RunTool({"search", counts, "--sigma", "X16", "--json", "--quiet", "--top", "5"});
  const ToolResult weightedFile = RunTool({"search", path("counts.rvd"), "--json", "--quiet", "--top", "5"});
  EXPECT_NE(weightedFile.out.find("\"weighting\""), std::string::npos) << weightedFile.out;
  EXPECT_EQ(weightedFile.out, weightedText.out);
  EXPECT_EQ(RunTool({"convert", counts, path("counts.csv"), "--sigma", "X16"}).status, 2);
  EXPECT_EQ(RunTool({"convert", counts, path("other.rvd"), "--sigma", "X15"}).status, 2);
  EXPECT_FALSE(std::filesystem::exists(path("counts.csv")) || std::filesystem::exists(path("other.rvd")));
}

TEST_F(ConvertCommand, ReportsEachFaultWithTheProgramsMessage) {
  ToolResult result = convert(path("missing.rvd"), path("out.csv"));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "Error opening input data file\n" + path("missing.rvd") + "\n");

  WriteFile(path("short.rvd"), std::string(16369, '\0'));
  result = convert(path("short.rvd"), path("out.csv"));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "The data file has been corrupted\nyou need to reenter your data.\n");

  result = convert(kIdealGasCsv, path("missing/out.rvd"));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(
      result.err.rfind(
          "Error opening output data file\n" + path("missing/out.rvd") + "\nData not saved, try using Save As.", 0),
      0u)
      << result.err;

  WriteFile(path("bad.csv"), "Y,X1\n1,abc\n");
  EXPECT_NE(convert(path("bad.csv"), path("x.rvd")).err.find("line 2, column 2"), std::string::npos);
  EXPECT_EQ(convert(kIdealGasCsv, path("out.xls")).status, 2);
  EXPECT_EQ(RunTool({"convert", kIdealGasCsv}).status, 2);
  EXPECT_FALSE(std::filesystem::exists(path("out.csv")) || std::filesystem::exists(path("x.rvd")));
}

}  // namespace
}  // namespace rv::testing
