#include "print/ui/locale_paper.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace rv {

namespace {

std::string PaperLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_PAPER", "LANG"})
    if (const char* value = std::getenv(variable); value && *value) return value;
  return {};
}

// glibc hands the paper's millimetres over as the bits of a pointer.
int LocaleMillimetres(nl_item item, locale_t locale) {
  return static_cast<int>(reinterpret_cast<std::uintptr_t>(nl_langinfo_l(item, locale)));
}

}  // namespace

Paper LocalePaper() {
  const std::string name = PaperLocaleName();
  // "C" and "POSIX" speak of no country, though glibc gives them A4.
  if (name.find('_') == std::string::npos) return PaperOfLocaleName(name);
  if (locale_t locale = newlocale(LC_PAPER_MASK, name.c_str(), static_cast<locale_t>(0))) {
    const std::optional<Paper> paper =
        PaperOfMillimetres(LocaleMillimetres(_NL_PAPER_HEIGHT, locale), LocaleMillimetres(_NL_PAPER_WIDTH, locale));
    freelocale(locale);
    if (paper) return *paper;
  }
  return PaperOfLocaleName(name);
}

}  // namespace rv
