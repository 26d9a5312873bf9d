#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/open_file_guard.h"
#include "base/outcome.h"
#include "files/data_file_session.h"
#include "files/recent_files.h"
#include "files/recovery_file.h"
#include "files/view_updates.h"
#include "graph/ui/graph_export.h"
#include "regress/equation_list.h"
#include "sheet/document.h"

class QWidget;

namespace rv {

class PathChooser;

// The graph's picture in a format, size pixels (or points) a side, as the
// bytes of its file.
using GraphPictureMaker = std::function<std::vector<std::uint8_t>(PictureFormat format, int size)>;

// What the file commands need from the main window around each operation.
class FileCommandsView {
 public:
  virtual ~FileCommandsView() = default;
  // Ends any range selection and stores the text being typed into its cell.
  virtual void settleSheet() = 0;
  // Shows a busy status ("Saving", "Loading") with the wait cursor, or, for
  // nullptr, "Ready" with the arrow cursor.
  virtual void showBusy(const char* status) = 0;
  // Shows the failure's message, or the notice and then brings every window
  // up to date as the updates ask.
  virtual void showOutcome(const Outcome<ViewUpdates>& outcome) = 0;
  virtual QWidget* dialogOwner() = 0;
};

// New, Open, Save, Save As, the recent files, a dropped file and the file
// named at start-up, each asking to save changes first where it replaces
// the sheet. Open, a dropped file and the file named at start-up may be a
// .csv, .tsv or .txt file too, read through the import dialog; Export
// writes the sheet or the graph.
class FileCommands {
 public:
  // The guard watches the file the window has open: its lock and how it
  // looked on disk.
  FileCommands(Document& document, DataFileSession& session, EquationList& equations, RecentFiles& recentFiles,
               OpenFileGuard& guard, std::unique_ptr<PathChooser> pathChooser, FileCommandsView& view);
  ~FileCommands();

  void newSheet();
  void open();
  void save();
  void saveAs();
  void openRecent(int command);
  void openDropped(const std::string& path);
  // File › Import: any file chosen is read as text through the import
  // dialog (a data file as a data file).
  void importFile();
  // The file named on the command line, once the grid exists; no question.
  void openAtStartUp(const std::string& path);
  // A kept sheet of the recovery folder in place of the sheet, with its
  // file as it looked when the sheet was kept; false when it could not be
  // read (the user is told).
  bool restoreKept(const std::string& folder, const RecoverySlot& slot);
  // File › Export Data and Export Graph: the sheet as text, the graph's
  // picture (made once a path and a size are chosen) as a PNG, SVG or PDF
  // file by the name's extension; any other extension is refused. Neither
  // changes the document.
  void exportData();
  void exportGraph(const GraphPictureMaker& picture);

  // The save-changes question while the sheet is modified: true to go on
  // with the action, false to abandon it.
  bool askSaveChanges();

 private:
  // A .csv, .tsv or .txt file through the import dialog, any other as a
  // data file.
  void read(const std::string& path);
  // The text of the file at path through the import dialog; the sheet
  // changes only on its OK.
  void importText(const std::string& path);
  void write(const std::string& path);
  // The window has opened or saved the document's file: the guard watches
  // it from now on. Why it could not be locked is said after the outcome.
  void showAdopted(const Outcome<ViewUpdates>& outcome);

  // Opening a data file another window has open asks first: true to open it.
  bool confirmOpen(const std::string& path);
  enum class SaveOverChange { Save, SaveAs, Cancel };
  // Saving over a file that changed on disk since this window opened or
  // saved it asks first.
  SaveOverChange confirmSaveOver(const std::string& target);

  Document& document_;
  DataFileSession& session_;
  EquationList& equations_;
  RecentFiles& recentFiles_;
  std::unique_ptr<PathChooser> pathChooser_;
  OpenFileGuard& guard_;
  FileCommandsView& view_;
};

}  // namespace rv
