#pragma once

#include <string>

namespace rv {

// The destination that is always offered, also when the system has no
// printer: the printout goes to a PDF file chosen when the job starts.
inline constexpr const char* kPrintToPdf = "Print to PDF";

inline constexpr int kMinFontSizeChoice = 2;  // the range of the Font Size up-down
inline constexpr int kMaxFontSizeChoice = 48;
inline constexpr int kStartFontSize = 12;
inline constexpr int kMinCopies = 1;
inline constexpr int kMaxCopies = 99;
// A typed font size is kept within these bounds, so that every layout
// quantity derived from it stays far from overflow and the rows of a table
// always move down the page.
inline constexpr int kMinTypedFontSize = 1;
inline constexpr int kMaxTypedFontSize = 999;

// What the next print job uses; the print dialog changes it. It is not saved.
struct PrintSettings {
  std::string printer;  // the printer's name, or kPrintToPdf
  std::string fontFace = "Courier New";
  int fontSize = kStartFontSize;  // points, as typed in the dialog
  int copies = 1;
  bool landscape = false;
};

// A typed number of copies: 0 (or less) becomes 1, more than 99 becomes 99.
int ClampCopies(long long typed);

// A typed font size within kMinTypedFontSize … kMaxTypedFontSize.
int ClampTypedFontSize(long long typed);

// What a print dialog's controls hold when Print is pressed: the selected
// printer and face, empty when a list has no selection, and the numbers
// typed for the font size and the copies.
struct PrintChoice {
  std::string printer;
  std::string fontFace;
  long long fontSize = kStartFontSize;
  long long copies = 1;
  bool landscape = false;
};

// The settings after the choice: a list without a selection keeps the
// previous printer or face; the typed font size and copies are clamped.
PrintSettings ApplyPrintChoice(PrintSettings previous, const PrintChoice& choice);

}  // namespace rv
