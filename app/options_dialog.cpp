#include "app/options_dialog.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include "app/options_equations_page.h"
#include "graph/ui/options_graph_page.h"
#include "widgets/control_id.h"
#include "widgets/help.h"
#include "widgets/message_dialog.h"
#include "widgets/place_dialog.h"

namespace rv {

namespace {

constexpr int kTabsId = 101;

// The dialog's client area: the pages' tabs above the OK and Cancel buttons.
// It is tall enough for the Graph page's row of bands below its colours.
constexpr QSize kClientSize(452, 378);
constexpr QRect kTabsPlace(4, 4, 444, 340);
constexpr QRect kOkButtonPlace(290, 348, 76, 22);
constexpr QRect kCancelButtonPlace(372, 348, 76, 22);

constexpr int kSetsCaptionId = 203;
constexpr int kLastSetsGroupId = 212;

// The set check boxes share the help of their group, "Regress Equation Types".
int OptionsHelpId(int id) { return id > kSetsCaptionId && id <= kLastSetsGroupId ? kSetsCaptionId : id; }

QPushButton* DialogButton(const QString& text, int id, const QRect& place, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  SetControlId(button, id);
  button->setGeometry(place);
  return button;
}

}  // namespace

OptionsDialog::OptionsDialog(const DocumentOptions& options, const ProgramOptions& program, QWidget* parent)
    : QDialog(parent), options_(options), tabs_(new QTabWidget(this)) {
  setObjectName(QStringLiteral("OptnDlg"));
  setWindowTitle(QStringLiteral("Options"));
  resize(kClientSize);

  SetControlId(tabs_, kTabsId);
  equationsPage_ = new OptionsEquationsPage(options, program, nullptr);
  graphPage_ = new OptionsGraphPage(options, nullptr);
  // Alt+Q and Alt+G choose the pages by the tabs' mnemonics.
  tabs_->addTab(equationsPage_, QStringLiteral("E&quations"));
  tabs_->addTab(graphPage_, QStringLiteral("&Graph"));
  tabs_->setGeometry(kTabsPlace);
  tabs_->tabBar()->installEventFilter(this);

  QPushButton* ok = DialogButton(QStringLiteral("&OK"), kAnswerOk, kOkButtonPlace, this);
  ok->setDefault(true);
  QPushButton* cancel = DialogButton(QStringLiteral("&Cancel"), kAnswerCancel, kCancelButtonPlace, this);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  InstallContextHelp(this, kOptionsHelpBase, OptionsHelpId);
  equationsPage_->focusFirst();
}

DocumentOptions OptionsDialog::chosenOptions() const {
  DocumentOptions chosen = options_;
  equationsPage_->store(chosen);
  graphPage_->store(chosen);
  return chosen;
}

ProgramOptions OptionsDialog::chosenProgramOptions() const { return equationsPage_->programOptions(); }

int OptionsDialog::chosenColorRow() const { return graphPage_->colorRow(); }

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == tabs_->tabBar() && event->type() == QEvent::KeyPress && tabs_->currentWidget() == graphPage_) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      graphPage_->moveColorRow(key == Qt::Key_Up ? -1 : 1);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

OptionsAnswer ShowOptionsDialog(QWidget* owner, const DocumentOptions& options, const ProgramOptions& program) {
  OptionsDialog dialog(options, program, owner);
  PlaceDialog(&dialog, MainWindowOf(owner));
  if (dialog.exec() == QDialog::Accepted) return {true, dialog.chosenOptions(), dialog.chosenProgramOptions()};
  OptionsAnswer cancelled{false, options, program};
  cancelled.options.colorRow = dialog.chosenColorRow();
  return cancelled;
}

}  // namespace rv
