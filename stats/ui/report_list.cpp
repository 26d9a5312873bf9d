#include "stats/ui/report_list.h"

#include <QHeaderView>

#include "widgets/control_id.h"

namespace rv {

namespace {

constexpr int kRowHeight = 16;

}  // namespace

ReportList::ReportList(int id, const std::vector<ReportColumn>& columns, QWidget* parent)
    : QTableWidget(0, static_cast<int>(columns.size()), parent), columns_(columns) {
  SetControlId(this, id);
  horizontalHeader()->hide();
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(kRowHeight);
  for (int c = 0; c < columnCount(); ++c) setColumnWidth(c, columns_[static_cast<size_t>(c)].width);
  setShowGrid(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(false);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

  QPalette colours = palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    colours.setColor(group, QPalette::Base, Qt::white);
    colours.setColor(group, QPalette::Text, Qt::black);
  }
  // The selected row stays marked, in the active colours, when the focus moves on.
  colours.setColor(QPalette::Inactive, QPalette::Highlight, colours.color(QPalette::Active, QPalette::Highlight));
  colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   colours.color(QPalette::Active, QPalette::HighlightedText));
  setPalette(colours);
}

void ReportList::setRows(const std::vector<std::vector<std::string>>& rows) {
  clearContents();
  setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < rowCount(); ++r) {
    const std::vector<std::string>& texts = rows[static_cast<size_t>(r)];
    for (int c = 0; c < columnCount() && c < static_cast<int>(texts.size()); ++c) {
      auto* item = new QTableWidgetItem(QString::fromStdString(texts[static_cast<size_t>(c)]));
      const bool right = columns_[static_cast<size_t>(c)].rightAligned;
      item->setTextAlignment(Qt::AlignVCenter | (right ? Qt::AlignRight : Qt::AlignLeft));
      setItem(r, c, item);
    }
  }
}

}  // namespace rv
