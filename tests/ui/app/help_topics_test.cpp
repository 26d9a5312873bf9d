#include <QCheckBox>
#include <QFile>
#include <QSet>

#include "app/options_dialog.h"
#include "app_fixture.h"
#include "graph/ui/copy_graph_dialog.h"
#include "sheet/ui/format_dialog.h"
#include "sheet/ui/scale_dialog.h"
#include "support/modal_answers.h"
#include "widgets/command_ids.h"
#include "widgets/control_id.h"
#include "widgets/help.h"
#include "widgets/message_dialog.h"

namespace rv::testing {
namespace {

// The help contexts of every control of a window: its id plus the base,
// for ids that may have help (100 to 9998), grid cells as one context.
QSet<int> ContextsOf(QWidget* window, int base, const std::function<int(int)>& mapId = {}) {
  QSet<int> contexts;
  for (QWidget* control : window->findChildren<QWidget*>()) {
    int id = ControlId(control);
    if (id < 100 || id > 9998) continue;
    if (mapId) id = mapId(id);
    contexts << (base == kMainWindowHelpBase && id > 999 ? kGridCellHelpContext : id + base);
  }
  return contexts;
}

QSet<int> MissingTopics(const QSet<int>& contexts) {
  QFile file(QStringLiteral(REGROVANTIS_SOURCE_DIR "/res/Regrovantis.hlp"));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  const QString help = QString::fromUtf8(file.readAll());
  QSet<int> missing;
  for (int context : contexts)
    if (!help.contains(QStringLiteral("name=\"%1\"").arg(HelpTopicAnchor(context)))) missing << context;
  return missing;
}

using HelpTopicsTest = AppTest;

TEST_F(HelpTopicsTest, EveryControlOfTheProgramsWindowsHasItsTopic) {
  startedWindow();
  const QSet<int> mainContexts = ContextsOf(window.get(), kMainWindowHelpBase);
  EXPECT_TRUE(mainContexts.contains(kGridCellHelpContext));
  EXPECT_EQ(MissingTopics(mainContexts), QSet<int>());

  ModalAnswers answers;
  answers.then([](QWidget* dialog) {
    const QSet<int> contexts =
        ContextsOf(dialog, kOptionsHelpBase, [](int id) { return id > 203 && id <= 212 ? 203 : id; });
    EXPECT_GT(contexts.size(), 30);
    EXPECT_EQ(MissingTopics(contexts), QSet<int>());
    ClickControl(dialog, kAnswerCancel);
  });
  answers.then([](QWidget* dialog) {
    EXPECT_EQ(MissingTopics(ContextsOf(dialog, kCopyGraphHelpBase)), QSet<int>());
    ClickControl(dialog, kAnswerCancel);
  });
  window->runCommand(command::kOptions);
  EXPECT_EQ(ShowCopyGraphDialog(window.get()), 0);

  FormatDialog format(ColumnFormat{}, window.get());
  EXPECT_EQ(MissingTopics(ContextsOf(&format, kFormatHelpBase)), QSet<int>());
  ScaleDialog scale(window->document().sheet, 1, window.get());
  EXPECT_EQ(MissingTopics(ContextsOf(&scale, kScaleHelpBase)), QSet<int>());
  EXPECT_EQ(answers.pending(), 0);
}

}  // namespace
}  // namespace rv::testing
