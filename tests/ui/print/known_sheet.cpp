#include "known_sheet.h"

#include <gtest/gtest.h>

#include "../../print/sample_documents.h"

namespace rv::testing {

namespace {

constexpr double kTolerance = 0.3;  // points

// The word's left, right or middle and its top, in page units.
enum class Edge { Left, Right, Middle };

void ExpectWord(const PdfText& text, const QString& word, Edge edge, int x, int y, int occurrence = 0) {
  const std::vector<PdfWord> found = text.find(word);
  ASSERT_GT(found.size(), static_cast<size_t>(occurrence)) << word.toStdString();
  const PdfWord& w = found[static_cast<size_t>(occurrence)];
  const double at = edge == Edge::Left ? w.xMin : edge == Edge::Right ? w.xMax : (w.xMin + w.xMax) / 2;
  EXPECT_NEAR(at, Points(x), kTolerance) << word.toStdString();
  EXPECT_NEAR(w.yMin, Points(y), kTolerance) << word.toStdString();
}

}  // namespace

Document KnownSheet() {
  Document document = DocumentWithRows({{1.5, 10}, {2.5, 20}, {3.25, 30}});
  document.options.title1 = "Gaslaw";
  document.state.named = true;
  document.state.path = "/data/fits/gas.rvd";
  document.state.fileTitle = "gas.rvd";
  document.state.dataFolder = "/data/fits";
  return document;
}

void ExpectKnownSheetReport(const PdfText& text) {
  ASSERT_TRUE(text.error.isEmpty()) << text.error.toStdString();
  ASSERT_EQ(text.pages.size(), 1u);
  EXPECT_NEAR(text.pages[0].width, 612, 0.5);
  EXPECT_NEAR(text.pages[0].height, 792, 0.5);
  // The title centred at 1275, the heading row at 300 + 75 + 20 with the
  // texts 8 units in from the column's right rule (Y at 696, X1 at 996).
  ExpectWord(text, QStringLiteral("Gaslaw"), Edge::Middle, 1275, 300);
  ExpectWord(text, QStringLiteral("Y"), Edge::Right, 688, 403);
  ExpectWord(text, QStringLiteral("X1"), Edge::Right, 988, 403);
  const char* rows[3][3] = {{"1", "1.5", "10"}, {"2", "2.5", "20"}, {"3", "3.25", "30"}};
  for (int r = 0; r < 3; ++r) {
    const int y = 455 + 60 * r + 8;
    ExpectWord(text, QString::fromLatin1(rows[r][0]), Edge::Right, 388, y);
    ExpectWord(text, QString::fromLatin1(rows[r][1]), Edge::Right, 688, y);
    ExpectWord(text, QString::fromLatin1(rows[r][2]), Edge::Right, 988, y);
  }
  // The footer: the data file's path at the left, the page number at the right.
  ExpectWord(text, QStringLiteral("/data/fits/gas.rvd"), Edge::Left, 150, 3120);
  ExpectWord(text, QStringLiteral("1"), Edge::Right, 2400, 3120, 1);
  EXPECT_EQ(text.words.size(), 2u + 3u * 3u + 3u);
}

}  // namespace rv::testing
