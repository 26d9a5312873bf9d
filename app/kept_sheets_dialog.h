#pragma once

#include <vector>

#include "files/recovery_file.h"

class QWidget;

namespace rv {

// What becomes of a kept sheet: restored into a window, discarded, or kept
// for the next start.
enum class KeptSheetChoice { Restore, Discard, Keep };

// Control ids of the dialog's buttons that set every sheet's choice, and of
// the first sheet's choice box (the others follow in order).
inline constexpr int kRestoreAllId = 301;
inline constexpr int kDiscardAllId = 302;
inline constexpr int kKeepAllId = 303;
inline constexpr int kFirstChoiceId = 400;

// One dialog ("KeptDlg") over owner lists the kept sheets, each with when it
// was kept, its file and its rows, and a choice for each and for all. The
// newest starts as Restore, the others as Keep. Closing the dialog keeps
// every sheet. The choices come in the order of the sheets.
std::vector<KeptSheetChoice> ChooseKeptSheets(const std::vector<RecoveredSheet>& sheets, QWidget* owner);

}  // namespace rv
