#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <utility>

#include "run_tool.h"

namespace rv::testing {
namespace {

std::uint32_t BigEndian(const std::string& bytes, size_t at) {
  std::uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

struct PngHeader {
  std::uint32_t width = 0, height = 0;
  int bitDepth = 0, colourType = 0;
  std::string palette;  // the PLTE chunk's data, three bytes an entry
};

PngHeader ReadPngHeader(const std::string& png) {
  PngHeader header;
  if (png.size() < 33 || png.compare(1, 3, "PNG") != 0 || png.compare(12, 4, "IHDR") != 0) return header;
  header.width = BigEndian(png, 16);
  header.height = BigEndian(png, 20);
  header.bitDepth = static_cast<unsigned char>(png[24]);
  header.colourType = static_cast<unsigned char>(png[25]);
  for (size_t at = 8; at + 8 <= png.size();) {
    const std::uint32_t length = BigEndian(png, at);
    if (png.compare(at + 4, 4, "PLTE") == 0) header.palette = png.substr(at + 8, length);
    at += 12 + length;
  }
  return header;
}

using GraphCommand = ToolFolderTest;

TEST_F(GraphCommand, WritesTheCopiedPictureAsAnIndexedPngTheSameEveryTime) {
  const std::string picture = path("g.png");
  const ToolResult result = RunTool({"graph", kIdealGasRvd, "--vars", "X1,X2", "--out", picture});
  ASSERT_EQ(result.status, 0) << result.err;
  // The example stores no equation: the best one of a search is graphed.
  EXPECT_NE(result.err.find("ln(Y) = a ln(X1) + b ln(X2) + c ln(X3) + d"), std::string::npos) << result.err;
  const std::string png = ReadFile(picture);
  const PngHeader header = ReadPngHeader(png);
  EXPECT_EQ(header.width, 640u);
  EXPECT_EQ(header.height, 640u);
  EXPECT_EQ(header.bitDepth, 8);
  EXPECT_EQ(header.colourType, 3);  // palette colours
  ASSERT_EQ(header.palette.size(), 3u * 256);
  EXPECT_EQ(header.palette.substr(3 * 191, 3), std::string("\x00\xFF\xFF", 3));
  EXPECT_EQ(header.palette.substr(3 * 42, 3), std::string("\x81\x00\x00", 3));

  const std::string again = path("again.png");
  ASSERT_EQ(RunTool({"graph", kIdealGasRvd, "--vars", "X1,X2", "--out", again}).status, 0);
  EXPECT_EQ(ReadFile(again), png);

  const std::string turned = path("turned.png");
  ASSERT_EQ(RunTool({"graph", kIdealGasRvd, "--vars", "X1,X2", "--angles", "-45,10", "--size", "300", "--out", turned})
                .status,
            0);
  const PngHeader small = ReadPngHeader(ReadFile(turned));
  EXPECT_EQ(small.width, 300u);
  EXPECT_EQ(small.height, 300u);
}

// What a shell command prints, and whether it succeeded.
std::pair<bool, std::string> Shell(const std::string& command) {
  std::FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return {false, ""};
  std::string output;
  char buffer[4096];
  while (const size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
  return {pclose(pipe) == 0, output};
}

TEST_F(GraphCommand, TheNamesExtensionChoosesPngSvgOrPdf) {
  const std::string svg = path("g.svg");
  ASSERT_EQ(RunTool({"graph", kIdealGasRvd, "--vars", "X1,X2", "--size", "1000", "--out", svg}).status, 0);
  const auto [wellFormed, complaint] = Shell("xmllint --noout '" + svg + "'");
  EXPECT_TRUE(wellFormed) << complaint;
  const std::string vector = ReadFile(svg);
  EXPECT_NE(vector.find("viewBox=\"0 0 1000 1000\""), std::string::npos);
  EXPECT_NE(vector.find(">X1<"), std::string::npos) << "the X title is text";
  // Every renderer finds a face of the kind: the named ones, then the generic family.
  EXPECT_NE(vector.find("font-family:'MS Sans Serif', 'Liberation Sans', Arial, sans-serif"), std::string::npos);
  // The bundled example's picture at 640 is no larger than it needs: styles
  // stated once, runs of one colour in one path.
  const std::string small = path("small.svg");
  ASSERT_EQ(RunTool({"graph", kIdealGasRvd, "--vars", "X1,X2", "--out", small}).status, 0);
  EXPECT_LT(ReadFile(small).size(), 300u * 1000u);

  const std::string pdf = path("g.PDF");
  ASSERT_EQ(RunTool({"graph", kIdealGasRvd, "--vars", "X1,X2", "--out", pdf}).status, 0);
  const auto [readable, info] = Shell("pdfinfo '" + pdf + "'");
  EXPECT_TRUE(readable) << info;
  EXPECT_NE(info.find("640 x 640 pts"), std::string::npos) << info;
  const auto [extracted, text] = Shell("pdftotext '" + pdf + "' -");
  EXPECT_TRUE(extracted);
  for (const char* label : {"X1", "X2", "260", "400", "2500"}) EXPECT_NE(text.find(label), std::string::npos) << label;
}

// --yrange sets the value axis: its labels run from MIN to MAX.
TEST_F(GraphCommand, YRangeSetsTheValueAxis) {
  const std::string svg = path("range.svg");
  ASSERT_EQ(RunTool({"graph", kIdealGasRvd, "--vars", "X1", "--yrange", "50,400", "--out", svg}).status, 0);
  const std::string vector = ReadFile(svg);
  for (const char* label : {">50<", ">400<", ">250<"}) EXPECT_NE(vector.find(label), std::string::npos) << label;
  EXPECT_EQ(vector.find(">450<"), std::string::npos);
}

// The tool inherits a file size limit as it would meet a full disk: the
// picture that was there stays whole, and a link to a pipe is refused.
TEST_F(GraphCommand, APictureThatCannotBeWrittenLeavesTheOldOne) {
  const std::string picture = path("g.png");
  ASSERT_EQ(RunTool({"graph", kIdealGasRvd, "--vars", "X1,X2", "--out", picture}).status, 0);
  const std::string before = ReadFile(picture);

  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = 1024;
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  const ToolResult full = RunTool({"graph", kIdealGasRvd, "--vars", "X1,X2", "--angles", "-45,10", "--out", picture});
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_EQ(full.status, 1);
  EXPECT_NE(full.err.find("cannot write the picture '" + picture + "': File too large"), std::string::npos) << full.err;
  EXPECT_EQ(ReadFile(picture), before);

  const std::string pipe = path("pipe");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const std::string link = path("link.png");
  std::filesystem::create_symlink("pipe", link);
  const ToolResult refused = RunTool({"graph", kIdealGasRvd, "--vars", "X1,X2", "--out", link});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("'" + link + "' leads to a pipe, not a file"), std::string::npos) << refused.err;
  EXPECT_TRUE(std::filesystem::is_fifo(pipe));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 3) << "no temporary file is left";
}

TEST_F(GraphCommand, DataPrintsTheGridPointsAsCopyDataPointsWould) {
  const ToolResult curve = RunTool({"graph", write("a.csv", kAnscombe), "--ordinal", "3", "--vars", "X1", "--data"});
  ASSERT_EQ(curve.status, 0) << curve.err;
  // X1 4 to 14 by Auto Update, with the curve's bands.
  EXPECT_EQ(curve.out.rfind("X1\tY\tConf Low\tConf High\tPred Low\tPred High\r\n4\t", 0), 0u) << curve.out;
  EXPECT_EQ(std::count(curve.out.begin(), curve.out.end(), '\n'), 22);
  EXPECT_NE(curve.out.find("\r\n14\t"), std::string::npos);

  const ToolResult surface = RunTool({"graph", kIdealGasRvd, "--vars", "X2,X1", "--data"});
  ASSERT_EQ(surface.status, 0) << surface.err;
  // X2 across the rows, X1 down the columns: a line of 21 X1 values, then
  // one line per X2 value.
  EXPECT_EQ(surface.out.rfind("X2\tX1 ->\r\n\t250\t", 0), 0u) << surface.out.substr(0, 60);
  EXPECT_EQ(std::count(surface.out.begin(), surface.out.end(), '\n'), 2 + 21);
  // ln(X2) has no value at X2 = 0: the first column of every line is empty.
  EXPECT_NE(surface.out.find("\r\n0\t\t"), std::string::npos) << surface.out.substr(0, 400);

  // Small values keep their digits: the shortest text of the same double,
  // never 0.000000.
  const ToolResult tiny = RunTool(
      {"graph", write("tiny.csv", "Y,X1\n1e-25,1\n2e-25,2\n3.1e-25,3\n"), "--ordinal", "3", "--vars", "X1", "--data"});
  ASSERT_EQ(tiny.status, 0) << tiny.err;
  EXPECT_NE(tiny.out.find("\t1."), std::string::npos) << tiny.out;
  EXPECT_NE(tiny.out.find("E-25\r\n"), std::string::npos) << tiny.out;
  EXPECT_EQ(tiny.out.find("0.000000\r\n"), std::string::npos) << tiny.out;
}

// What the command cannot graph is refused with a message naming the cause
// before any search (the example stores no equation: a search would say so
// first), and nothing is written: a usage error has status 2, data whose
// equations cannot be graphed as asked status 1.
TEST_F(GraphCommand, RefusesWhatItCannotGraphBeforeAnySearch) {
  const std::string anscombe = write("a.csv", kAnscombe);
  // A column of one value cannot be told from the constant: no equation
  // of it is fitted, so none is graphed.
  const std::string flat = write("flat.csv", "Y,X1\n1,5\n2,5\n3,5\n");
  const std::string jpeg = path("g.jpg"), svg = path("range.svg");
  const struct {
    std::vector<std::string> words;
    int status;
    std::string message;
  } refusals[] = {
      {{"graph", kIdealGasRvd, "--vars", "X1,X2", "--out", jpeg},
       2,
       "--out takes a picture named .png, .svg or .pdf, not '" + jpeg + "'"},
      {{"graph", kIdealGasRvd, "--vars", "X1,X9", "--data"},
       1,
       "The equations of this data use X1 to X3:\nX9 cannot be graphed."},
      {{"graph", kIdealGasRvd, "--vars", "X1", "--yrange", "400,50", "--out", svg},
       2,
       "--yrange: The Y range's minimum must be"},
      {{"graph", kIdealGasRvd, "--vars", "X1", "--yrange", "5", "--out", svg},
       2,
       "--yrange takes the minimum and maximum"},
      {{"graph", kIdealGasRvd, "--vars", "X1", "--yrange", "a,b", "--out", svg}, 2, "--yrange: 'a' is not a number"},
      {{"graph", kIdealGasRvd, "--vars", "X1,X2,X3", "--data"},
       1,
       "--vars takes one variable for a curve or two for a surface"},
      {{"graph", anscombe, "--ordinal", "3", "--vars", "X2", "--data"},
       1,
       "The equations of this data use X1 only:\nX2 cannot be graphed."},
      {{"graph", flat, "--ordinal", "3", "--vars", "X1", "--data"}, 1, "cannot be resolved in double precision"},
      {{"graph", anscombe, "--ordinal", "3", "--vars", "Y", "--data"}, 2, "--vars takes variables such as X1"},
      {{"graph", anscombe, "--ordinal", "3", "--vars", "X1,X1", "--data"}, 2, "--vars names X1 twice"},
      {{"graph", anscombe, "--ordinal", "3", "--vars", "X1"}, 2, "graph needs either --out"},
      {{"graph", anscombe, "--ordinal", "3", "--vars", "X1", "--data", "--out", "x.png"},
       2,
       "graph needs either --out"},
      {{"graph", anscombe, "--ordinal", "3", "--data"}, 2, "graph needs --vars X1 or --vars X1,X2"},
      {{"graph", anscombe, "--ordinal", "3", "--vars", "X1", "--angles", "200,0", "--data"},
       2,
       "the horizontal angle must be a whole number from -180 to 180"},
      {{"graph", anscombe, "--ordinal", "3", "--vars", "X1", "--size", "5", "--data"},
       2,
       "--size must be a whole number from 64 to 4096"},
  };
  for (const auto& refusal : refusals) {
    const ToolResult result = RunTool(refusal.words);
    EXPECT_EQ(result.status, refusal.status) << refusal.message;
    EXPECT_NE(result.err.find(refusal.message), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find("stores no equation"), std::string::npos) << "no search ran";
    EXPECT_TRUE(result.out.empty()) << refusal.message;
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 2) << "no picture was written";
}

}  // namespace
}  // namespace rv::testing
