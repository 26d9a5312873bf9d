#pragma once

class QWidget;

namespace rv {

// The About dialog ("AbutDlg"): the program's name and version; "&OK" closes it.
void ShowAboutDialog(QWidget* owner);

}  // namespace rv
