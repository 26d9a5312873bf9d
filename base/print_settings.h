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

// What the next print job uses; the print dialog changes it. It is not saved.
struct PrintSettings {
  std::string printer;  // the printer's name, or kPrintToPdf
  std::string fontFace = "Courier New";
  int fontSize = kStartFontSize;  // points, as typed in the dialog
  int copies = 1;
  bool landscape = false;
  // Page Setup's paper (a name of CommonPapers), empty for the paper the
  // printer itself is set to, or for a PDF the locale's.
  std::string paper;
  // The paper the chosen printer is set to, as the print system names it;
  // empty when it names none or is not known yet.
  std::string printerMedia;
  // The printer's own options set in its Properties: two-sided printing (a
  // print system keyword, "two-sided-long-edge") and the print quality (3
  // draft, 4 normal, 5 high); empty and 0 leave the printer's own.
  std::string sides;
  int quality = 0;
};

// A typed number of copies: 0 (or less) becomes 1, more than 99 becomes 99.
int ClampCopies(long long typed);

// A font size within the Font Size range, 2 … 48. The field accepts
// nothing else; the layout keeps any other number it is given to it too,
// so that body text always fits its rows.
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
