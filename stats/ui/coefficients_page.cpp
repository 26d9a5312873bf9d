#include "stats/ui/coefficients_page.h"

#include <QLabel>
#include <QPainter>

#include "stats/ui/list_frame.h"
#include "stats/ui/report_list.h"
#include "stats/ui/statistics_layout.h"
#include "widgets/control_id.h"

namespace rv {

namespace {

constexpr int kLabelHeight = 16;
constexpr int kAnovaCaptionsX = 20;
constexpr int kAnovaCaptionsWidth = 56;

// The ANOVA columns: df, SS and MS, each right-aligned in its cell.
struct AnovaColumn {
  int x;
  int width;
};
constexpr AnovaColumn kAnovaColumns[3] = {{76, 28}, {104, 68}, {172, 68}};
constexpr int kAnovaHeadingY = 150;
constexpr int kAnovaRowY[3] = {170, 188, 206};

void AddLabel(QWidget* page, int id, const std::string& text, QRect place, Qt::Alignment alignment = Qt::AlignLeft) {
  auto* label = new QLabel(QString::fromStdString(text), page);
  SetControlId(label, id);
  label->setGeometry(place);
  label->setAlignment(alignment | Qt::AlignVCenter);
}

// One ANOVA row: its caption, then the df, SS and MS texts from the first id on.
void AddAnovaRow(QWidget* page, int captionId, const char* caption, int firstId, const AnovaRowTexts& texts, int row,
                 int cells) {
  const int y = kAnovaRowY[row];
  AddLabel(page, captionId, caption, OnPage(kAnovaCaptionsX, y, kAnovaCaptionsWidth, kLabelHeight));
  const std::string* values[3] = {&texts.df, &texts.ss, &texts.ms};
  for (int c = 0; c < cells; ++c)
    AddLabel(page, firstId + c, *values[c], OnPage(kAnovaColumns[c].x, y, kAnovaColumns[c].width, kLabelHeight),
             Qt::AlignRight);
}

ListFrame CoefficientsFrame() {
  return {Corners(252, 52, 416, 226), Corners(254, 54, 414, 72), {{346, QStringLiteral("Coefficients")}}, {290, 402}};
}

}  // namespace

CoefficientsPage::CoefficientsPage(const EquationStatistics& statistics, QWidget* parent)
    : StatisticsPage(CoefficientsFrame(), parent), list_(new ReportList(kListId, {{36, false}, {112, true}}, this)) {
  AddLabel(this, 102, "Regression Statistics:", OnPage(20, 58, 208, kLabelHeight));
  AddLabel(this, 103, statistics.rSquaredLine, OnPage(36, 80, 192, kLabelHeight));
  AddLabel(this, 104, statistics.stdErrorLine, OnPage(36, 98, 192, kLabelHeight));
  AddLabel(this, 105, statistics.stdDevLine, OnPage(36, 116, 192, kLabelHeight));

  AddLabel(this, 106, "ANOVA", OnPage(kAnovaCaptionsX, kAnovaHeadingY, kAnovaCaptionsWidth, kLabelHeight));
  const char* headings[3] = {"df", "SS", "MS"};
  for (int c = 0; c < 3; ++c)
    AddLabel(this, 107 + c, headings[c],
             OnPage(kAnovaColumns[c].x, kAnovaHeadingY, kAnovaColumns[c].width, kLabelHeight), Qt::AlignRight);
  AddAnovaRow(this, 111, "Regress", 112, statistics.regressTexts, 0, 3);
  AddAnovaRow(this, 116, "Residual", 117, statistics.residualTexts, 1, 3);
  AddAnovaRow(this, 120, "Total", 121, statistics.totalTexts, 2, 2);

  list_->setGeometry(OnPage(254, 72, 160, 152));
  std::vector<std::vector<std::string>> rows;
  for (const CoefficientRow& row : statistics.coefficientRows) rows.push_back({row.label, row.value});
  list_->setRows(rows);
}

void CoefficientsPage::paintDecorations(QPainter& painter) {
  painter.setPen(Qt::black);
  painter.drawLine(20, 143, 228, 143);
}

}  // namespace rv
