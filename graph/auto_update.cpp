#include "graph/auto_update.h"

#include "sheet/graph_range.h"

namespace rv {

void ApplyAutoUpdate(DataSheet& sheet) {
  if (!sheet.autoUpdate) return;
  for (int variable = 1; variable < kSheetColumns; ++variable) UpdateGraphRange(sheet, variable);
}

}  // namespace rv
