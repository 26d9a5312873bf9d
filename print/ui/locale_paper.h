#pragma once

#include "print/paper.h"

namespace rv {

// The paper of the user's locale for printouts (LC_ALL, else LC_PAPER,
// else LANG): the locale's own paper size when the locale is installed,
// else the paper of its country; Letter when the locale names no country.
Paper LocalePaper();

}  // namespace rv
