#pragma once

#include <QString>
#include <optional>
#include <string>

class QWidget;

namespace rv {

// Where the file commands get a path from the user. The program uses file
// dialogs; tests answer with paths of their own.
class PathChooser {
 public:
  virtual ~PathChooser() = default;
  // An existing file to open, starting in folder; nothing when cancelled.
  virtual std::optional<std::string> openPath(QWidget* owner, const std::string& folder) = 0;
  // A file to save to, starting in folder; the dialog asks before an existing
  // file is replaced. title is "Save" (Save As) or "Save As" (the
  // save-changes question). Nothing when cancelled.
  virtual std::optional<std::string> savePath(QWidget* owner, const QString& title, const std::string& folder) = 0;
};

// The file dialogs with the filters "Regrovantis Data Files (*.rvd)" and
// "All Files (*.*)" and the default extension "rvd".
class FileDialogPathChooser : public PathChooser {
 public:
  std::optional<std::string> openPath(QWidget* owner, const std::string& folder) override;
  std::optional<std::string> savePath(QWidget* owner, const QString& title, const std::string& folder) override;
};

}  // namespace rv
