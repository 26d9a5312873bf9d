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

Outcome<SaveChangesDecision> AnswerSaveChanges(MessageAnswer answer, const std::optional<std::string>& saveAsPath,
                                               Document& document, DataFileSession& session,
                                               const EquationList& equations, RecentFiles& recentFiles) {
  const SaveChangesDecision goOn{.goOn = true, .saved = std::nullopt};
  const SaveChangesDecision abandon{.goOn = false, .saved = std::nullopt};
  if (!document.state.modified || answer == MessageAnswer::No) return goOn;
  if (answer != MessageAnswer::Yes) return abandon;
  const std::optional<std::string> path = saveAsPath ? saveAsPath : SavePathOf(document.state);
  if (!path) return abandon;
  Outcome<ViewUpdates> saved = WriteDataFile(*path, document, session, equations, recentFiles);
  if (!saved) return saved.message();
  return SaveChangesDecision{.goOn = true, .saved = std::move(*saved)};
}

}  // namespace rv
