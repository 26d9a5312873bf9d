#include "regress/ui/left_out_notice.h"

#include "sheet/left_out_data.h"
#include "sheet/point_count.h"
#include "widgets/message_dialog.h"

namespace rv {

LeftOutNotice::LeftOutNotice(QWidget* parent) : QLabel(parent) {
  setObjectName(QStringLiteral("LeftOutNotice"));
  setWordWrap(true);
  setTextFormat(Qt::PlainText);
  hide();
}

void LeftOutNotice::showFor(const SheetValues& cells, bool sigmaInX16) {
  QStringList lines;
  for (const std::string& sentence : DescribeLeftOutData(cells, sigmaInX16))
    lines << QString::fromStdString(sentence) + '.';
  setText(lines.join('\n'));
  setVisible(!lines.isEmpty());
}

bool LeftOutNotice::confirmStart(const SheetValues& cells, QWidget* owner) {
  // A search without an X variable would end with an empty list.
  if (const std::string why = DescribeNoUsableX(cells); !why.empty()) {
    ShowMessage(QString::fromStdString(why), owner, MessageKind::Information);
    return false;
  }
  if (!DataFollowsAGap(cells) || goOnAnswered_) return true;
  const std::string rows = DescribeLeftOutRows(cells);
  const int points = CountPointsAndColumns(cells).pointCount;
  const QString question = QStringLiteral(
                               "%1, and a search uses only the rows before the first empty Y.\n\n"
                               "Search the first %2 rows anyway?")
                               .arg(QString::fromStdString(rows))
                               .arg(points);
  goOnAnswered_ = ShowMessage(question, owner, MessageKind::YesNo) == MessageAnswer::Yes;
  return goOnAnswered_;
}

}  // namespace rv
