#pragma once

#include <QString>
#include <optional>
#include <string>

class QWidget;

namespace rv {

// What File › Export Graph asks for: where, and how many pixels (or
// points) a side the picture has.
struct GraphExportChoice {
  std::string path;
  int size = 0;
};

// The sizes a side of an exported picture may have, and the one offered
// first; the graph knows them.
struct PictureSizes {
  int smallest = 0;
  int largest = 0;
  int initial = 0;
};

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
  // A file to export the sheet to, starting in folder; the dialog asks
  // before an existing file is replaced. Nothing when cancelled.
  virtual std::optional<std::string> exportDataPath(QWidget* owner, const std::string& folder) = 0;
  // The same for the graph's picture, with the picture's size.
  virtual std::optional<GraphExportChoice> exportGraphPath(QWidget* owner, const std::string& folder,
                                                           const PictureSizes& sizes) = 0;
};

// The file dialogs with the filters "Regrovantis Data Files (*.rvd)" and
// "All Files (*.*)" and the default extension "rvd"; Open offers first
// "Data files (*.rvd *.csv *.tsv *.txt)", every file it reads, then each kind.
// The export dialogs, titled "Export Data" and "Export Graph", offer .csv and
// .tsv files (default .csv) or .png, .svg and .pdf pictures (default .png)
// with a Size box over the sizes the caller gives.
class FileDialogPathChooser : public PathChooser {
 public:
  std::optional<std::string> openPath(QWidget* owner, const std::string& folder) override;
  std::optional<std::string> savePath(QWidget* owner, const QString& title, const std::string& folder) override;
  std::optional<std::string> exportDataPath(QWidget* owner, const std::string& folder) override;
  std::optional<GraphExportChoice> exportGraphPath(QWidget* owner, const std::string& folder,
                                                   const PictureSizes& sizes) override;
};

}  // namespace rv
