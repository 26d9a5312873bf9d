#pragma once

#include <optional>
#include <string>

#include "sheet/clipboard_text.h"

class QWidget;

namespace rv {

// Pasted text whose first line holds names, as a spreadsheet copies its
// heading row: asks whether they become the variables' names (Yes) or the
// line is skipped (No); Cancel pastes nothing (no answer). Text without such
// a line asks nothing and pastes as it is.
std::optional<PasteHeading> AskPasteHeading(const std::string& text, QWidget* owner);

}  // namespace rv
