#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "print/page_geometry.h"

namespace rv {

// A paper size the printouts can be made on, its size in page units
// (1/300 inch) standing upright, and the names the print system and the
// settings file give it.
struct Paper {
  std::string_view name;  // "Letter", "A4": shown in Page Setup, kept in the settings file
  int width;
  int height;
  std::string_view ippMedia;  // the print system's media name
  friend bool operator==(const Paper&, const Paper&) = default;
};

inline constexpr Paper kLetterPaper{"Letter", 2550, 3300, "na_letter_8.5x11in"};
inline constexpr Paper kA4Paper{"A4", 2480, 3508, "iso_a4_210x297mm"};

// The papers Page Setup offers: Letter, Legal, Executive, A3, A4, A5, B5.
const std::vector<Paper>& CommonPapers();
std::vector<std::string> PaperNames();

// The paper of a name (as CommonPapers names them, case aside), or of a
// media name of the print system ("iso_a4_210x297mm", "na_letter_8.5x11in",
// "A4", "Letter"); nothing for any other.
std::optional<Paper> PaperNamed(std::string_view name);

// The paper of a locale's name ("de_DE.UTF-8", "en_US"): Letter in the
// countries that use it (the United States, Canada, Mexico, the
// Philippines and a few more of the Americas), A4 elsewhere; Letter for
// "C", "POSIX" or no name, which say nothing of a country.
Paper PaperOfLocaleName(std::string_view locale);

// The paper a locale's own paper size in millimetres is (glibc's LC_PAPER
// gives 279 × 216 for Letter, 297 × 210 for A4), nothing for one not offered.
std::optional<Paper> PaperOfMillimetres(int height, int width);

// The paper a job is printed on: the one chosen in Page Setup; else the
// one the printer is set to, when it is offered; else the locale's.
Paper JobPaper(std::string_view chosen, std::string_view printerMedia, const Paper& localePaper);

// The layout's positions are made for Letter. On a paper smaller in either
// direction the whole page is scaled down by this factor so that nothing
// leaves it; on Letter and larger papers it stays 1.
double LayoutScale(const Paper& paper, bool landscape);

// The page the layout has on the paper, in page units: the paper's size
// over its LayoutScale. A4 standing is 2550 × 3607, as wide as Letter and
// taller; Letter and larger papers are their own size.
PageSize LayoutPage(const Paper& paper, bool landscape);

}  // namespace rv
