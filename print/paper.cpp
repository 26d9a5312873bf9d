#include "print/paper.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace rv {

namespace {

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// Territories whose paper is Letter (glibc's LC_PAPER of their locales).
constexpr std::string_view kLetterTerritories[] = {"US", "CA", "MX", "PH", "PR", "CL", "CO", "CR",
                                                   "GT", "NI", "PA", "SV", "VE", "DO", "BZ"};

}  // namespace

const std::vector<Paper>& CommonPapers() {
  static const std::vector<Paper> papers = {
      kLetterPaper,
      {"Legal", 2550, 4200, "na_legal_8.5x14in"},
      {"Executive", 2175, 3150, "na_executive_7.25x10.5in"},
      {"A3", 3508, 4961, "iso_a3_297x420mm"},
      kA4Paper,
      {"A5", 1748, 2480, "iso_a5_148x210mm"},
      {"B5", 2079, 2953, "iso_b5_176x250mm"},
  };
  return papers;
}

std::vector<std::string> PaperNames() {
  std::vector<std::string> names;
  for (const Paper& paper : CommonPapers()) names.emplace_back(paper.name);
  return names;
}

std::optional<Paper> PaperNamed(std::string_view name) {
  for (const Paper& paper : CommonPapers())
    if (SameName(name, paper.name) || SameName(name, paper.ippMedia)) return paper;
  return std::nullopt;
}

Paper PaperOfLocaleName(std::string_view locale) {
  const size_t underscore = locale.find('_');
  if (underscore == std::string_view::npos) return kLetterPaper;
  std::string_view territory = locale.substr(underscore + 1);
  territory = territory.substr(0, territory.find_first_of(".@"));
  for (const std::string_view letter : kLetterTerritories)
    if (territory == letter) return kLetterPaper;
  return kA4Paper;
}

std::optional<Paper> PaperOfMillimetres(int height, int width) {
  for (const Paper& paper : CommonPapers()) {
    const int paperHeight = static_cast<int>(std::lround(paper.height * 25.4 / 300));
    const int paperWidth = static_cast<int>(std::lround(paper.width * 25.4 / 300));
    if (std::abs(paperHeight - height) <= 1 && std::abs(paperWidth - width) <= 1) return paper;
  }
  return std::nullopt;
}

Paper JobPaper(std::string_view chosen, std::string_view printerMedia, const Paper& localePaper) {
  if (const std::optional<Paper> paper = PaperNamed(chosen)) return *paper;
  if (const std::optional<Paper> paper = PaperNamed(printerMedia)) return *paper;
  return localePaper;
}

double LayoutScale(const Paper& paper, bool landscape) {
  const double width = landscape ? paper.height : paper.width;
  const double height = landscape ? paper.width : paper.height;
  const double letterWidth = landscape ? kLetterPaper.height : kLetterPaper.width;
  const double letterHeight = landscape ? kLetterPaper.width : kLetterPaper.height;
  return std::min({1.0, width / letterWidth, height / letterHeight});
}

PageSize LayoutPage(const Paper& paper, bool landscape) {
  const double scale = LayoutScale(paper, landscape);
  const double width = (landscape ? paper.height : paper.width) / scale;
  const double height = (landscape ? paper.width : paper.height) / scale;
  // The side the scale was taken from comes back whole, not a hair short.
  return {static_cast<int>(std::floor(width + 1e-6)), static_cast<int>(std::floor(height + 1e-6))};
}

}  // namespace rv
