#include "app/command_actions.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <vector>

#include "files/recent_files.h"
#include "widgets/command_ids.h"

namespace rv {

namespace {

// The commands greyed in the menus while there is nothing for them to act on.
constexpr int kEquationCommands[] = {command::kPrintEquation, command::kCopyEquation};
constexpr int kGraphCommands[] = {command::kPrintGraph, command::kCopyGraph, command::kExportGraph};

struct MenuItem {
  int command;  // 0: a separator
  const char* label;
};

struct MenuDefinition {
  const char* title;
  std::vector<MenuItem> items;
};

// The menu bar "DlgMenu". The File menu's recent files and Exit follow its
// items; a label's text after the tab is the key shown beside it.
const std::vector<MenuDefinition>& MenuDefinitions() {
  static const std::vector<MenuDefinition> menus = {
      {"&File",
       {{command::kNew, "&New\tCtrl+N"},
        {command::kOpen, "&Open...\tCtrl+O"},
        {command::kSave, "&Save\tCtrl+S"},
        {command::kSaveAs, "Save &As..."},
        {0, nullptr},
        {command::kImport, "&Import..."},
        {command::kExportData, "Ex&port Data..."},
        {command::kExportGraph, "Export G&raph..."},
        {0, nullptr},
        {command::kPrintData, "Print &Data...\tCtrl+P"},
        {command::kPrintEquation, "Print &Equation..."},
        {command::kPrintGraph, "Print &Graph..."},
        {0, nullptr}}},
      {"&Edit",
       {{command::kUndo, "Und&o\tCtrl+Z"},
        {command::kRedo, "&Redo\tCtrl+Y"},
        {0, nullptr},
        {command::kCopyData, "&Copy Data\tCtrl+C"},
        {command::kPasteData, "&Paste Data\tCtrl+V"},
        {command::kCutData, "C&ut Data\tCtrl+X"},
        {command::kClearData, "C&lear Data"},
        {0, nullptr},
        {command::kSelectAll, "&Select All\tCtrl+A"},
        {0, nullptr},
        {command::kCopyGraph, "Copy &Graph"},
        {command::kCopyEquation, "Copy &Equation"}}},
      {"&View", {{command::kVariables, "&Variables..."}, {command::kOptions, "&Options..."}}},
      {"&Help",
       {{command::kHelpTopics, "&Help Topics...\tF1"},
        {command::kWhatsThis, "&What's This?\tShift+F1"},
        {0, nullptr},
        {command::kAbout, "&About Regrovantis..."}}},
  };
  return menus;
}

struct Accelerator {
  QKeyCombination key;
  int command;
};

// The accelerator table "KeyAcc". Alt+D, Alt+Q and Alt+G (commands 45 to 47)
// are the mnemonics of the tabs "&Data", "E&quations" and "&Graph", which the
// tab bar handles itself; giving them to actions as well would make the keys
// ambiguous and neither would act.
const std::vector<Accelerator>& Accelerators() {
  static const std::vector<Accelerator> table = {
      {Qt::ALT | Qt::Key_A, command::kStats},
      {Qt::CTRL | Qt::Key_A, command::kSelectAll},
      {Qt::CTRL | Qt::Key_C, command::kCopy},
      {Qt::CTRL | Qt::Key_N, command::kNew},
      {Qt::CTRL | Qt::Key_O, command::kOpen},
      {Qt::CTRL | Qt::Key_P, command::kPrint},
      {Qt::ALT | Qt::Key_R, command::kRotate},
      {Qt::ALT | Qt::Key_S, command::kCalculate},
      {Qt::CTRL | Qt::Key_S, command::kSave},
      {Qt::ALT | Qt::Key_T, command::kStop},
      {Qt::CTRL | Qt::Key_V, command::kPasteData},
      {Qt::ALT | Qt::Key_W, command::kDraw},
      {Qt::CTRL | Qt::Key_X, command::kCutData},
      {QKeyCombination(Qt::Key_F1), command::kHelpTopics},
      {Qt::SHIFT | Qt::Key_F1, command::kWhatsThis},
      {QKeyCombination(Qt::Key_F2), command::kEditMode},
      {QKeyCombination(Qt::Key_F3), command::kMaximize},
      {QKeyCombination(Qt::Key_F9), command::kCalculate},
      // The key every desktop program quits with, beside Alt+F4, which the
      // window frame may take for itself.
      {Qt::CTRL | Qt::Key_Q, command::kExit},
      {Qt::CTRL | Qt::Key_Z, command::kUndo},
      {Qt::CTRL | Qt::Key_Y, command::kRedo},
      {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, command::kRedo},
  };
  return table;
}

// Commands that are neither menu items nor accelerators but arrive from
// context menus, tab mnemonics and buttons.
constexpr int kOtherCommands[] = {command::kInsert,   command::kDelete,        command::kFormat,    command::kScale,
                                  command::kShowData, command::kShowEquations, command::kShowGraph, command::kExit};

}  // namespace

CommandActions::CommandActions(QWidget* mainWindow) : QObject(mainWindow), menuBar_(new QMenuBar(mainWindow)) {
  menuBar_->setObjectName(QStringLiteral("DlgMenu"));
  menuBar_->setNativeMenuBar(false);
  for (const MenuDefinition& definition : MenuDefinitions()) {
    QMenu* menu = menuBar_->addMenu(QString::fromLatin1(definition.title));
    for (const MenuItem& item : definition.items) {
      if (item.command == 0) {
        menu->addSeparator();
        continue;
      }
      QAction* action = makeAction(item.command);
      action->setText(QString::fromLatin1(item.label));
      menu->addAction(action);
    }
    if (fileMenu_ == nullptr) fileMenu_ = menu;
    else if (editMenu_ == nullptr) editMenu_ = menu;
  }
  recentFilesStart_ = fileMenu_->actions().last();

  for (const Accelerator& accelerator : Accelerators()) {
    QAction* action = makeAction(accelerator.command);
    action->setShortcuts(action->shortcuts() << QKeySequence(accelerator.key));
    mainWindow->addAction(action);
  }
  for (int id : kOtherCommands) makeAction(id);
  action(command::kExit)->setText(QStringLiteral("E&xit\tAlt+F4"));
  setRecentFiles({});
  setAllEnabled(false);
}

QAction* CommandActions::makeAction(int id) {
  auto found = actions_.find(id);
  if (found != actions_.end()) return found->second;
  auto* action = new QAction(this);
  action->setData(id);
  action->setShortcutContext(Qt::WindowShortcut);
  connect(action, &QAction::triggered, this, [this, id] { emit command(id); });
  actions_.emplace(id, action);
  return action;
}

QAction* CommandActions::action(int id) const {
  auto found = actions_.find(id);
  return found == actions_.end() ? nullptr : found->second;
}

void CommandActions::setAllEnabled(bool enabled) {
  enabled_ = enabled;
  for (auto& [id, action] : actions_) action->setEnabled(enabled && !greyedRecentFiles_.contains(id));
}

// Greying and naming change the actions this object owns, though through
// pointers: they stay non-const.
// NOLINTNEXTLINE(readability-make-member-function-const)
void CommandActions::setGreyed(int id, bool greyed) { action(id)->setEnabled(enabled_ && !greyed); }

void CommandActions::greyForOpenMenu(bool open, bool equationSelected, bool graphDrawn) {
  const QMimeData* clipboard = QGuiApplication::clipboard()->mimeData();
  for (int id : kEquationCommands) setGreyed(id, open && !equationSelected);
  for (int id : kGraphCommands) setGreyed(id, open && !graphDrawn);
  setGreyed(command::kPasteData, open && (clipboard == nullptr || !clipboard->hasText()));
}

// NOLINTNEXTLINE(readability-make-member-function-const)
void CommandActions::setUndoNames(const QString& undoName, const QString& redoName) {
  const auto label = [](const char* verb, const QString& name, const char* key) {
    return QString::fromLatin1(verb) + (name.isEmpty() ? QString() : QStringLiteral(" ") + name) + QLatin1Char('\t') +
           QString::fromLatin1(key);
  };
  action(command::kUndo)->setText(label("Und&o", undoName, "Ctrl+Z"));
  action(command::kRedo)->setText(label("&Redo", redoName, "Ctrl+Y"));
}

void CommandActions::setRecentFiles(const std::vector<RecentFileMenuItem>& items) {
  // Everything behind the fixed items is rebuilt: recent files, separator, Exit.
  const QList<QAction*> all = fileMenu_->actions();
  for (qsizetype i = all.indexOf(recentFilesStart_) + 1; i < all.size(); ++i) {
    fileMenu_->removeAction(all[i]);
    if (all[i]->isSeparator()) delete all[i];
  }
  greyedRecentFiles_.clear();
  for (const RecentFileMenuItem& item : items) {
    QAction* recent = makeAction(item.command);
    recent->setText(QString::fromStdString(item.label));
    if (!item.enabled) greyedRecentFiles_.insert(item.command);
    recent->setEnabled(enabled_ && item.enabled);
    fileMenu_->addAction(recent);
  }
  if (!items.empty()) fileMenu_->addSeparator();
  fileMenu_->addAction(action(command::kExit));
}

}  // namespace rv
