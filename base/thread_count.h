#pragma once

namespace rv {

// The threads of a search when none are asked for: one for every core the
// system reports, and one where it reports none.
int EveryCoreThreadCount();

}  // namespace rv
