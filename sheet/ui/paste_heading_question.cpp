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
  for (size_t i = 0; i < headings->names.size() && i < kNamesShown; ++i)
    names += (i > 0 ? ", " : "") + VariableNameFromText(headings->names[i]);
  if (headings->names.size() > kNamesShown) names += ", ...";
  const int below = headings->lines - 1;
  const QString units = below == 0 ? QString()
                        : below == 1
                            ? QStringLiteral(" The line of text below it is skipped either way.")
                            : QStringLiteral(" The %1 lines of text below it are skipped either way.").arg(below);
  const QString question = QStringLiteral(
                               "The first line of the pasted text holds names, not numbers:\n%1\n\n"
                               "Use them as the variables' names (at most 8 characters each)? No skips the "
                               "line.%2")
                               .arg(QString::fromStdString(names), units);
  switch (ShowMessage(question, owner, MessageKind::YesNoCancel)) {
    case MessageAnswer::Yes: return PasteHeading::Names;
    case MessageAnswer::No: return PasteHeading::Skip;
    default: return std::nullopt;
  }
}

}  // namespace rv
