#pragma once

#include "sheet/data_sheet.h"

namespace rv {

// While Auto Update is on, the graph minimum, maximum and constant of every
// variable X1 to X16 are derived from its data afresh (ComputeGraphRange),
// replacing what the user entered. Runs before every picture is prepared.
void ApplyAutoUpdate(DataSheet& sheet);

}  // namespace rv
