#include "stats/ui/coefficients_page.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <array>
#include <vector>

#include "stats/ui/list_frame.h"
#include "stats/ui/report_list.h"
#include "stats/ui/statistics_layout.h"
#include "widgets/control_id.h"

namespace rv {

namespace {

constexpr int kLabelHeight = 16;
constexpr int kAnovaCaptionsX = 20;
constexpr int kAnovaCaptionsWidth = 56;

// The ANOVA columns: df, SS and MS, each right-aligned in its cell, from x
// 76 as wide as the layout has them (28, 68, 68) or as their texts need,
// ending before the coefficients' box; where they would not, they start
// further left, after the row captions, and at last take a smaller font.
constexpr int kAnovaLeft = 76;
constexpr int kAnovaRight = 248;
constexpr int kAnovaWidths[3] = {28, 68, 68};
constexpr int kAnovaCellPadding = 2;
constexpr int kSmallestPixelSize = 6;
constexpr int kAnovaHeadingY = 150;
constexpr int kAnovaRowY[3] = {170, 188, 206};

// The regression statistics above the ANOVA table: a heading, three figure
// lines indented under it, and a rule between them and the table.
constexpr QRect kStatisticsHeading = OnPage(20, 58, 208, kLabelHeight);
constexpr QRect kFirstFigureLine = OnPage(36, 80, 192, kLabelHeight);
constexpr int kFigureLineStep = 18;
constexpr QLine kRule(20, 143, 228, 143);

// The coefficients' list at the right of the page: its box and heading strip.
const QRect kListBox = Corners(252, 52, 416, 226);
const QRect kHeadingStrip = Corners(254, 54, 414, 72);

QLabel* AddLabel(QWidget* page, int id, const std::string& text, QRect place, Qt::Alignment alignment = Qt::AlignLeft) {
  auto* label = new QLabel(QString::fromStdString(text), page);
  SetControlId(label, id);
  label->setGeometry(place);
  label->setAlignment(alignment | Qt::AlignVCenter);
  return label;
}

struct AnovaRow {
  int captionId;
  const char* caption;
  int firstId;
  const AnovaRowTexts& texts;
  int cells;
};

// The texts of one ANOVA column, its heading first.
std::vector<QString> ColumnTexts(const char* heading, const std::vector<AnovaRow>& rows, int column) {
  std::vector<QString> texts{QString::fromLatin1(heading)};
  for (const AnovaRow& row : rows) {
    const std::string* values[3] = {&row.texts.df, &row.texts.ss, &row.texts.ms};
    if (column < row.cells) texts.push_back(QString::fromStdString(*values[column]));
  }
  return texts;
}

// The ANOVA table: captions, headings and cells, its columns as wide as
// their texts in the font it can keep.
void AddAnovaTable(QWidget* page, const std::vector<AnovaRow>& rows) {
  const char* headings[3] = {"df", "SS", "MS"};
  QFont font = page->font();
  int left = kAnovaLeft;
  std::array<int, 3> widths{};
  const int captionEnd = kAnovaCaptionsX + [&] {
    int widest = 0;
    for (const AnovaRow& row : rows)
      widest = std::max(widest, QFontMetrics(font).horizontalAdvance(QString::fromLatin1(row.caption)));
    return widest + kAnovaCellPadding;
  }();
  for (;;) {
    const QFontMetrics metrics(font);
    int total = 0;
    for (int c = 0; c < 3; ++c) {
      int needed = 0;
      for (const QString& text : ColumnTexts(headings[c], rows, c))
        needed = std::max(needed, metrics.horizontalAdvance(text) + kAnovaCellPadding);
      widths[static_cast<size_t>(c)] = std::max(kAnovaWidths[c], needed);
      total += widths[static_cast<size_t>(c)];
    }
    left = std::max(captionEnd, std::min(kAnovaLeft, kAnovaRight - total));
    if (left + total <= kAnovaRight || QFontInfo(font).pixelSize() <= kSmallestPixelSize) break;
    font.setPixelSize(std::max(kSmallestPixelSize, QFontInfo(font).pixelSize() - 1));
  }
  AddLabel(page, 106, "ANOVA", OnPage(kAnovaCaptionsX, kAnovaHeadingY, kAnovaCaptionsWidth, kLabelHeight));
  const auto cell = [&](int id, const std::string& text, int column, int y) {
    int x = left;
    for (int c = 0; c < column; ++c) x += widths[static_cast<size_t>(c)];
    QLabel* label =
        AddLabel(page, id, text, OnPage(x, y, widths[static_cast<size_t>(column)], kLabelHeight), Qt::AlignRight);
    label->setFont(font);
  };
  for (int c = 0; c < 3; ++c) cell(107 + c, headings[c], c, kAnovaHeadingY);
  for (size_t r = 0; r < rows.size(); ++r) {
    const AnovaRow& row = rows[r];
    const int y = kAnovaRowY[r];
    AddLabel(page, row.captionId, row.caption, OnPage(kAnovaCaptionsX, y, kAnovaCaptionsWidth, kLabelHeight));
    const std::string* values[3] = {&row.texts.df, &row.texts.ss, &row.texts.ms};
    for (int c = 0; c < row.cells; ++c) cell(row.firstId + c, *values[c], c, y);
  }
}

ListFrame CoefficientsFrame() { return {kListBox, kHeadingStrip, {{1, QStringLiteral("Coefficients")}}, {0, 1}}; }

}  // namespace

CoefficientsPage::CoefficientsPage(const EquationStatistics& statistics, QWidget* parent)
    : StatisticsPage(CoefficientsFrame(), parent), list_(new ReportList(kListId, {{36, false}, {112, true}}, this)) {
  AddLabel(this, 102, "Regression Statistics:", kStatisticsHeading);
  const std::string* figures[3] = {&statistics.rSquaredLine, &statistics.stdErrorLine, &statistics.stdDevLine};
  for (int f = 0; f < 3; ++f) AddLabel(this, 103 + f, *figures[f], kFirstFigureLine.translated(0, f * kFigureLineStep));

  AddAnovaTable(this, {{111, "Regress", 112, statistics.regressTexts, 3},
                       {116, "Residual", 117, statistics.residualTexts, 3},
                       {120, "Total", 121, statistics.totalTexts, 2}});

  std::vector<std::vector<std::string>> rows;
  for (const CoefficientRow& row : statistics.coefficientRows) rows.push_back({row.label, row.value});
  list_->setRows(rows);
  headList(list_);
}

void CoefficientsPage::paintDecorations(QPainter& painter) {
  painter.setPen(Qt::black);
  painter.drawLine(kRule);
}

}  // namespace rv
