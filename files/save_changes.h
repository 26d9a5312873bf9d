#pragma once

#include <optional>
#include <string>

#include "files/data_file_session.h"
#include "files/file_outcome.h"
#include "files/recent_files.h"
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
//     const SaveChangesResult result = AnswerSaveChanges(answer, path, document, ...);
//     show result.save.message when there is one and act on result.save;
//     if (result.decision == SaveChangesDecision::Abandon) stop the action.
//   }
//   go on with the action.
struct SaveChangesQuestion {
  bool ask = false;  // false while the sheet has no unsaved changes: go on
  Message message;  // "Do you want to save the changes in '<file title or Untitled>'?"
  bool yesNeedsSaveAs = false;  // the sheet is untitled: Yes first asks for a path
};

SaveChangesQuestion AskSaveChanges(const DocumentState& state);

enum class SaveChangesDecision { GoOn, Abandon };

struct SaveChangesResult {
  SaveChangesDecision decision = SaveChangesDecision::Abandon;
  FileOutcome save;  // the save made for Yes, if any
};

// No goes on without saving; Cancel abandons. Yes saves (to saveAsPath when
// the user chose one, for an untitled sheet or instead of saving over a file
// changed on disk, else to the current path) and goes on only when the save
// succeeded: a failed save, or a cancelled Save As (no saveAsPath), abandons
// the action and leaves the sheet as it is, still modified.
SaveChangesResult AnswerSaveChanges(MessageAnswer answer, const std::optional<std::string>& saveAsPath,
                                    Document& document, DataFileSession& session, const EquationList& equations,
                                    RecentFiles& recentFiles);

}  // namespace rv
