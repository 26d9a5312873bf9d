#pragma once

#include <QLabel>

#include "sheet/data_sheet.h"

namespace rv {

// The line on the Equations tab that says which rows and variables of the
// sheet take no part in a search, and why; hidden while everything takes
// part. Before a search whose sheet holds data in rows after the first
// empty Y it asks whether to go on, once per sheet; a search without any X
// variable it refuses, saying why.
class LeftOutNotice : public QLabel {
  Q_OBJECT
 public:
  explicit LeftOutNotice(QWidget* parent = nullptr);

  // Shows what of these cells takes no part.
  void showFor(const SheetValues& cells, bool sigmaInX16);
  // Before a search: false when no X variable would take part (said why),
  // or when the user would rather not search without the rows left out.
  // Asks only while the user has not said yes for this sheet.
  bool confirmStart(const SheetValues& cells, QWidget* owner);
  // Another sheet is in memory: its rows are asked about again.
  void forgetAnswer() { goOnAnswered_ = false; }

 private:
  bool goOnAnswered_ = false;
};

}  // namespace rv
