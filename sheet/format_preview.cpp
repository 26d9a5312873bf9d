#include "sheet/format_preview.h"

#include "sheet/value_text.h"

namespace rv {

std::string FormatPreviewText(ColumnFormat format) {
  if (format.kind == FormatKind::General) return "No Format";
  return FormatByColumnFormat(12.345678, format);
}

}  // namespace rv
