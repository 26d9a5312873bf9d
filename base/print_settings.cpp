#include "base/print_settings.h"

#include <algorithm>

namespace rv {

int ClampCopies(long long typed) { return static_cast<int>(std::clamp<long long>(typed, kMinCopies, kMaxCopies)); }

int ClampTypedFontSize(long long typed) {
  return static_cast<int>(std::clamp<long long>(typed, kMinFontSizeChoice, kMaxFontSizeChoice));
}

PrintSettings ApplyPrintChoice(PrintSettings previous, const PrintChoice& choice) {
  if (!choice.printer.empty()) previous.printer = choice.printer;
  if (!choice.fontFace.empty()) previous.fontFace = choice.fontFace;
  previous.fontSize = ClampTypedFontSize(choice.fontSize);
  previous.copies = ClampCopies(choice.copies);
  previous.landscape = choice.landscape;
  return previous;
}

}  // namespace rv
