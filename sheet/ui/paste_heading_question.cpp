#include "sheet/ui/paste_heading_question.h"

#include <QString>

#include "sheet/variable_name.h"
#include "widgets/message_dialog.h"

namespace rv {

namespace {

constexpr size_t kNamesShown = 6;

}  // namespace

std::optional<PasteHeading> AskPasteHeading(const std::string& text, QWidget* owner) {
  const auto headings = PasteHeadings(text);
  if (!headings) return PasteHeading::None;
  std::string names;
  for (size_t i = 0; i < headings->size() && i < kNamesShown; ++i)
    names += (i > 0 ? ", " : "") + VariableNameFromText((*headings)[i]);
  if (headings->size() > kNamesShown) names += ", ...";
  const QString question = QStringLiteral("The first line of the pasted text holds names, not numbers:\n%1\n\n"
                                          "Use them as the variables' names (at most 8 characters each)? No skips the line.")
                               .arg(QString::fromStdString(names));
  switch (ShowMessage(question, owner, MessageKind::YesNoCancel)) {
    case kAnswerYes: return PasteHeading::Names;
    case kAnswerNo: return PasteHeading::Skip;
    default: return std::nullopt;
  }
}

}  // namespace rv
