#pragma once

#include <QWidget>
#include <array>

#include "regress/search_monitor.h"

class QLabel;

namespace rv {

// The nine status lines of the Equations tab: as a search reaches each
// equation set its name appears on the next free line, and a check mark
// beside it when the set is finished.
class SetStatusLines : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kLineCount = 9;
  static constexpr int kFirstTextId = 306;  // texts 306, 308, ..., 322; images 307, 309, ..., 323
  static constexpr int kLineHeight = 16;

  explicit SetStatusLines(QWidget* parent = nullptr);

  // Every line empty, every image blank; the next set takes the first line.
  void clear();
  void present(const SetEvent& event);

  QString lineText(int line) const;
  // True when the line's image is the check mark.
  bool lineChecked(int line) const;

 private:
  void setChecked(int line, bool checked);

  std::array<QLabel*, kLineCount> texts_{};
  std::array<QLabel*, kLineCount> images_{};
  std::array<bool, kLineCount> checked_{};
  int nextLine_ = 0;
};

}  // namespace rv
