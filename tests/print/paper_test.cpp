#include "print/paper.h"

#include <gtest/gtest.h>

namespace rv::testing {
namespace {

TEST(Paper, LocalesAndPrintSystemNamesGiveTheirPaperAndSmallerPapersScaleTheLayoutDown) {
  const struct {
    const char* locale;
    const char* paper;
  } locales[] = {{"de_DE.UTF-8", "A4"},    {"en_US.UTF-8", "Letter"}, {"en_GB", "A4"},    {"fr_CA.UTF-8", "Letter"},
                 {"es_MX@euro", "Letter"}, {"sr_RS@latin", "A4"},     {"C", "Letter"},    {"POSIX", "Letter"},
                 {"", "Letter"},           {"C.UTF-8", "Letter"},     {"en_PH", "Letter"}};
  for (const auto& [locale, paper] : locales) EXPECT_EQ(PaperOfLocaleName(locale).name, paper) << locale;

  EXPECT_EQ(PaperNamed("iso_a4_210x297mm"), kA4Paper);
  EXPECT_EQ(PaperNamed("a4"), kA4Paper);
  EXPECT_EQ(PaperNamed("na_letter_8.5x11in"), kLetterPaper);
  EXPECT_EQ(PaperNamed("Legal")->height, 4200);
  EXPECT_FALSE(PaperNamed("custom_100x100mm").has_value());
  EXPECT_FALSE(PaperNamed("").has_value());
  EXPECT_EQ(PaperOfMillimetres(297, 210), kA4Paper);
  EXPECT_EQ(PaperOfMillimetres(279, 216), kLetterPaper);
  EXPECT_FALSE(PaperOfMillimetres(100, 100).has_value());

  // Page Setup's choice, else the printer's own paper, else the locale's.
  EXPECT_EQ(JobPaper("A5", "iso_a4_210x297mm", kLetterPaper).name, "A5");
  EXPECT_EQ(JobPaper("", "iso_a4_210x297mm", kLetterPaper), kA4Paper);
  EXPECT_EQ(JobPaper("", "", kA4Paper), kA4Paper);
  EXPECT_EQ(JobPaper("", "custom_1x1in", kLetterPaper), kLetterPaper);

  // A4 is 70 units narrower than Letter: the layout shrinks to fit its width.
  EXPECT_DOUBLE_EQ(LayoutScale(kA4Paper, false), 2480.0 / 2550.0);
  EXPECT_DOUBLE_EQ(LayoutScale(kA4Paper, true), 2480.0 / 2550.0);
  EXPECT_DOUBLE_EQ(LayoutScale(kLetterPaper, true), 1.0);
  EXPECT_DOUBLE_EQ(LayoutScale(*PaperNamed("A3"), false), 1.0);
  EXPECT_DOUBLE_EQ(LayoutScale(*PaperNamed("A5"), false), 1748.0 / 2550.0);
}

}  // namespace
}  // namespace rv::testing
