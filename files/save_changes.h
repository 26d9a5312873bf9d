#pragma once

#include <optional>
#include <string>

#include "base/outcome.h"
#include "files/data_file_session.h"
#include "files/recent_files.h"
#include "files/view_updates.h"
#include "regress/equation_list.h"
#include "sheet/document.h"

namespace rv {

// New, Open, a recent-file command, a dropped file, Exit and closing the
// window first ask whether to save the changes. The application:
//
//   const SaveChangesQuestion question = AskSaveChanges(document.state);
//   if (question.ask) {
//     const MessageAnswer answer = show question.message (Yes, No, Cancel);
//     std::optional<std::string> path;
//     if (answer == MessageAnswer::Yes && question.yesNeedsSaveAs)
//       path = the Save As dialog (titled "Save As"), nothing when cancelled;
//     const Outcome<SaveChangesDecision> decided = AnswerSaveChanges(answer, path, document, ...);
//     if (!decided) show decided.message() and stop the action (the save failed);
//     act on decided->saved when there is a save;
//     if (!decided->goOn) stop the action.
//   }
//   go on with the action.
struct SaveChangesQuestion {
  bool ask = false;             // false while the sheet has no unsaved changes: go on
  Message message;              // "Do you want to save the changes in '<file title or Untitled>'?"
  bool yesNeedsSaveAs = false;  // the sheet is untitled: Yes first asks for a path
};

SaveChangesQuestion AskSaveChanges(const DocumentState& state);

struct SaveChangesDecision {
  bool goOn = false;                 // false: the action is abandoned
  std::optional<ViewUpdates> saved;  // the save made for Yes, if any
};

// No goes on without saving; Cancel abandons. Yes saves (to saveAsPath when
// the user chose one, for an untitled sheet or instead of saving over a file
// changed on disk, else to the current path) and goes on only when the save
// succeeded: a failed save (the outcome is then its message), or a cancelled
// Save As (no saveAsPath), abandons the action and leaves the sheet as it
// is, still modified.
Outcome<SaveChangesDecision> AnswerSaveChanges(MessageAnswer answer, const std::optional<std::string>& saveAsPath,
                                               Document& document, DataFileSession& session,
                                               const EquationList& equations, RecentFiles& recentFiles);

}  // namespace rv
