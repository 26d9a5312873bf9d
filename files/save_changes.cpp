#include "files/save_changes.h"

#include "files/data_file_messages.h"
#include "files/write_data_file.h"

namespace rv {

SaveChangesQuestion AskSaveChanges(const DocumentState& state) {
  SaveChangesQuestion question;
  question.ask = state.modified;
  question.yesNeedsSaveAs = !SavePathOf(state);
  question.message = SaveChangesQuestionMessage(state.named ? state.fileTitle : std::string("Untitled"));
  return question;
}

SaveChangesResult AnswerSaveChanges(MessageAnswer answer, const std::optional<std::string>& saveAsPath,
                                    Document& document, DataFileSession& session, const EquationList& equations,
                                    RecentFiles& recentFiles) {
  SaveChangesResult result;
  if (!document.state.modified || answer == MessageAnswer::No) {
    result.decision = SaveChangesDecision::GoOn;
    return result;
  }
  if (answer != MessageAnswer::Yes) return result;
  const std::optional<std::string> path = saveAsPath ? saveAsPath : SavePathOf(document.state);
  if (!path) return result;
  result.save = WriteDataFile(*path, document, session, equations, recentFiles);
  if (result.save.succeeded) result.decision = SaveChangesDecision::GoOn;
  return result;
}

}  // namespace rv
