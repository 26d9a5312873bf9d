#pragma once

#include <optional>
#include <string>

#include "sheet/field_number.h"

class QWidget;

namespace rv {

// What the user said about the numbers of a paste.
struct PasteNumberAnswer {
  bool cancelled = false;
  std::optional<NumberFormat> format;  // nothing when the text left no doubt
};

// Pasted text whose numbers two formats read differently ("1,306": 1306
// with a thousands comma, 1.306 with a decimal comma) asks which is meant,
// each button naming its number; Cancel pastes nothing. Text without such a
// doubt asks nothing.
PasteNumberAnswer AskPasteNumberFormat(const std::string& text, QWidget* owner);

}  // namespace rv
