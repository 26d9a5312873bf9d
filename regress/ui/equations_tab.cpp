#include "regress/ui/equations_tab.h"

#include <QHeaderView>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>

#include "regress/ui/equation_list_model.h"
#include "regress/ui/equation_list_view.h"
#include "regress/ui/left_out_notice.h"
#include "regress/ui/ranking_choice.h"
#include "regress/ui/set_status_lines.h"
#include "regress/y_uncertainty.h"
#include "widgets/command_ids.h"
#include "widgets/context_menu.h"
#include "widgets/control_id.h"
#include "widgets/message_dialog.h"
#include "widgets/status_bar.h"
#include "widgets/sticky_button.h"
#include "widgets/tooltips.h"

namespace rv {

namespace {

// The headings above the list, where the list's own area begins at x = 92:
// each this far into its column, and a separator where each of the first
// two columns ends, so they follow a column widened for a long ordinal.
constexpr int kListLeft = 92;
constexpr int kListTop = 24;
// The list fills the tab to these margins; the line of data left out, when
// shown, takes the list's bottom, kNoticeGap below the list.
constexpr int kListRightMargin = 5;
constexpr int kListBottomMargin = 3;
constexpr int kNoticeGap = 2;
constexpr int kNoticeSlack = 2;  // the line is this much taller than its sentences
struct Heading {
  const char* text;
  int column;
  int inset;
};
constexpr Heading kHeadings[] = {{"Rsq", EquationListModel::kRSquaredColumn, 10},
                                 {"No", EquationListModel::kOrdinalColumn, 21},
                                 {"k", EquationListModel::kCoefficientsColumn, 9},
                                 {"Equation", EquationListModel::kEquationColumn, 5}};
constexpr int kHeadingTop = 6;

// The heading of the criterion's column; none for R squared, whose column is hidden.
const char* CriterionHeading(RankingCriterion criterion) {
  switch (criterion) {
    case RankingCriterion::RSquared: return "";
    case RankingCriterion::AdjustedRSquared: return "Adj Rsq";
    case RankingCriterion::Aicc: return "AICc";
    case RankingCriterion::Bic: return "BIC";
  }
  return "";
}

constexpr QRect kButtonPlaces[] = {{5, 4, 80, 20}, {5, 24, 80, 20}, {5, 44, 80, 20}};
constexpr QPoint kStatusLinesPlace(7, 70);
constexpr QPoint kRankingPlace(5, 70 + SetStatusLines::kLineCount * SetStatusLines::kLineHeight + 8);

QString CountText(std::int64_t count) { return QString::number(count); }

StickyButton* MakeStickyButton(const char* text, int id, int toolTip, QWidget* parent) {
  auto* button = new StickyButton(QString::fromLatin1(text), id, parent);
  AddTooltip(button, toolTip);
  // The main window's accelerators press the button; a mnemonic of its own
  // would make the key ambiguous.
  button->setShortcut(QKeySequence());
  return button;
}

}  // namespace

EquationsTab::EquationsTab(EquationsTabContext context, QWidget* parent) : QWidget(parent), context_(context) {
  setObjectName(QStringLiteral("EqunTab"));
  start_ = MakeStickyButton("&Start", kStartId, kTipStartRegression, this);
  stop_ = new QPushButton(QStringLiteral("S&top"), this);
  SetControlId(stop_, kStopId);
  AddTooltip(stop_, kTipStopRegression);
  stop_->setAutoDefault(false);
  stop_->setShortcut(QKeySequence());
  stats_ = MakeStickyButton("St&ats", kStatsId, kTipShowStatistics, this);
  start_->setGeometry(kButtonPlaces[0]);
  stop_->setGeometry(kButtonPlaces[1]);
  stats_->setGeometry(kButtonPlaces[2]);
  connect(start_, &StickyButton::command, this, &EquationsTab::buttonCommand);
  connect(stats_, &StickyButton::command, this, &EquationsTab::buttonCommand);
  connect(stop_, &QPushButton::clicked, this, &EquationsTab::stopPressed);

  statusLines_ = new SetStatusLines(this);
  statusLines_->move(kStatusLinesPlace);
  ranking_ = new RankingChoice(this);
  ranking_->move(kRankingPlace);
  ranking_->showChoice(context_.rankBy);
  connect(ranking_, &RankingChoice::chosen, this, &EquationsTab::rankByChosen);

  model_ = new EquationListModel(context_.equations, this);
  list_ = new EquationListView(model_, this);
  connect(list_, &EquationListView::rowSelected, this, &EquationsTab::selectionChanged);
  connect(list_, &EquationListView::rowActivated, this, [this] {
    if (!searching_) showStatistics();
  });
  connect(list_, &EquationListView::contextMenuAt, this, &EquationsTab::showContextMenu);
  // The headings follow the columns' widths.
  connect(list_->horizontalHeader(), &QHeaderView::sectionResized, this, [this] { update(); });
  leftOut_ = new LeftOutNotice(this);
}

EquationsTab::~EquationsTab() = default;

void EquationsTab::pressStart() { start_->click(); }

void EquationsTab::pressStats() { stats_->click(); }

void EquationsTab::stopPressed() {
  if (searching_) emit stopRequested();
}

void EquationsTab::showRankBy() { ranking_->showChoice(context_.rankBy); }

void EquationsTab::buttonCommand(int id) {
  if (id == kStartId) startPressed();
  else if (id == kStatsId) statsPressed();
}

// The button has just changed its state. While a search runs it stays
// pressed until the search has ended.
void EquationsTab::startPressed() {
  if (searching_) {
    emit stopRequested();
    start_->setPressed(true);
    stats_->setPressed(false);
    return;
  }
  emit startRequested();
}

void EquationsTab::statsPressed() {
  if (searching_) {
    emit stopRequested();
    stats_->setPressed(false);
    return;
  }
  showStatistics();
}

void EquationsTab::showStartRefused() { start_->setPressed(false); }

bool EquationsTab::confirmStart() {
  showLeftOutData();
  if (leftOut_->confirmStart(context_.document.sheet.cells, window())) return true;
  start_->setPressed(false);
  return false;
}

void EquationsTab::showSearchStarted() {
  start_->setPressed(true);
  statusLines_->clear();
  context_.status.setPaneText(StatusPane::Activity, QStringLiteral("Working"));
  context_.status.setPaneText(StatusPane::Detail, QString());
  model_->showNothing();
  ranking_->showListCriterion(std::nullopt);
  context_.progress.setRange(0, 0);
  context_.progress.setValue(0);
  context_.progress.show();
  searching_ = true;
}

void EquationsTab::showSetReached(const SetEvent& event) { statusLines_->present(event); }

void EquationsTab::showProgressRange(int maximum) { context_.progress.setRange(0, maximum); }

void EquationsTab::showProgress(int barValue, std::int64_t done) {
  context_.progress.setValue(barValue);
  context_.status.setPaneText(StatusPane::Detail, CountText(done));
}

void EquationsTab::showSearchEnded() {
  searching_ = false;
  context_.progress.hide();
  start_->setPressed(false);
  context_.status.setPaneText(StatusPane::Activity, QStringLiteral("Ready"));
}

void EquationsTab::showFoundList(std::int64_t count, bool weighted, const std::string& refusals) {
  model_->showEntries();
  list_->fitColumns();
  ranking_->showListCriterion(context_.equations.criterion());
  selectRow(context_.equations.empty() ? -1 : 0);
  if (list_->isVisible()) list_->setFocus();
  QString detail = CountText(count);
  if (weighted) detail += QStringLiteral("; ") + QString::fromUtf8(kWeightingText);
  if (!refusals.empty()) detail += QStringLiteral("; ") + QString::fromStdString(refusals);
  context_.status.setPaneText(StatusPane::Detail, detail);
}

void EquationsTab::reloadList(int selectedRow) {
  statusLines_->clear();
  leftOut_->forgetAnswer();
  showLeftOutData();
  model_->showEntries();
  list_->fitColumns();
  ranking_->showListCriterion(std::nullopt);
  selectRow(selectedRow);
}

// The selection always reaches the owner, also when the row stays the same.
void EquationsTab::selectRow(int row) {
  list_->selectRow(row);
  emit selectionChanged(list_->selectedRow());
}

// The Stats button stays pressed while the dialog is open.
void EquationsTab::showStatistics() {
  if (model_->entryAt(list_->selectedRow()) == nullptr) {
    stats_->setPressed(false);
    ShowMessage(QString::fromLatin1(kSelectToDisplayMessage), window(), MessageKind::Information);
    return;
  }
  stats_->setPressed(true);
  emit statisticsRequested();
  stats_->setPressed(false);
  // Without a window manager nothing would give the main window the keyboard back.
  window()->activateWindow();
  list_->setFocus();
}

void EquationsTab::showContextMenu(const QPoint& globalPosition) {
  ShowContextMenu(this, globalPosition, [this](int id) { emit commandRequested(id); });
}

void EquationsTab::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // The list's frame moves its columns right by the frame's width.
  const int shift = list_->x() + list_->frameWidth() - kListLeft;
  const auto columnLeft = [this, shift](int column) {
    int x = kListLeft + shift;
    for (int before = 0; before < column; ++before) x += list_->columnWidth(before);
    return x;
  };
  painter.setPen(palette().color(QPalette::WindowText));
  const int textHeight = kListTop - kHeadingTop;
  const auto drawHeading = [&](const Heading& heading) {
    painter.drawText(QRect(columnLeft(heading.column) + heading.inset, kHeadingTop, 100, textHeight),
                     Qt::AlignLeft | Qt::AlignTop, QString::fromLatin1(heading.text));
  };
  for (const Heading& heading : kHeadings) drawHeading(heading);
  if (!list_->isColumnHidden(EquationListModel::kCriterionColumn))
    drawHeading({CriterionHeading(context_.equations.criterion()), EquationListModel::kCriterionColumn, 10});
  painter.setPen(palette().color(QPalette::Mid));
  for (int column = 1; column < EquationListModel::kColumnCount; ++column)
    painter.drawLine(columnLeft(column), kHeadingTop - 2, columnLeft(column), kListTop - 2);
}

// The line of data left out takes the bottom of the list's room, as high as
// its sentences need.
void EquationsTab::resizeEvent(QResizeEvent*) {
  const int listWidth = std::max(0, width() - kListLeft - kListRightMargin);
  const int noticeHeight = !leftOut_->isHidden() ? kNoticeGap + leftOut_->heightForWidth(listWidth) + kNoticeSlack : 0;
  list_->setGeometry(kListLeft, kListTop, listWidth,
                     std::max(0, height() - kListTop - kListBottomMargin - noticeHeight));
  leftOut_->setGeometry(kListLeft, list_->geometry().bottom() + 1 + kNoticeGap, listWidth,
                        std::max(0, noticeHeight - kNoticeGap));
}

void EquationsTab::showEvent(QShowEvent*) { showLeftOutData(); }

void EquationsTab::showLeftOutData() {
  leftOut_->showFor(context_.document.sheet.cells, context_.document.options.weightedBySigma);
  resizeEvent(nullptr);
}

}  // namespace rv
