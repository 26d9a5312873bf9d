#pragma once

#include "app/file_commands.h"

class QWidget;

namespace rv {

class CommandActions;
class EquationController;
class GraphController;
class SearchController;
class SheetHistory;
class WindowFrame;
class WindowRecovery;

// What the window shows of the document, brought up to date after a file
// command has read, written or replaced it: the title, the recent files in
// the File menu, the tabs, the history and the recovery file, after the
// command's message. It reads the document and changes none of it.
class DocumentViews : public FileCommandsView {
 public:
  struct Parts {
    QWidget& window;
    const Document& document;
    const DataFileSession& session;
    const RecentFiles& recentFiles;
    CommandActions& commands;
    SheetHistory& history;
    WindowFrame& frame;
    EquationController& equations;
    GraphController& graphs;
    SearchController& searches;
    WindowRecovery& recovery;
  };
  explicit DocumentViews(Parts parts) : parts_(parts) {}

  void settleSheet() override;
  void showBusy(const char* status) override;
  void showOutcome(const Outcome<ViewUpdates>& outcome) override;
  QWidget* dialogOwner() override { return &parts_.window; }

  // The title bar as the document's state names it.
  void updateTitle();

 private:
  Parts parts_;
};

}  // namespace rv
