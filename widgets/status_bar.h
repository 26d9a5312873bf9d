#pragma once

#include <QString>
#include <QWidget>

class QSizeGrip;

namespace rv {

// The status bar's panes, left to right.
enum class StatusPane {
  Activity,  // what the program is doing: "Ready", "Loading", "Saving", "Working"
  Detail,    // the count of a running search, or a message
};

// The two-pane status bar: pane 1 tells what the program is doing ("Ready",
// "Loading", "Saving", "Working"), pane 2 the count of a running search or a
// message, for which it widens as far as the bar allows.
class StatusBar : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kHeight = 24;
  // The panes end here; the progress bar may use the band to their right.
  static constexpr int kPanesRight = 132;

  explicit StatusBar(QWidget* parent = nullptr);

  // The pane is redrawn at once.
  void setPaneText(StatusPane pane, const QString& text);
  QString paneText(StatusPane pane) const;

  QSize sizeHint() const override;
  // Where the pane's text is drawn.
  QRect paneRect(StatusPane pane) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QString texts_[2];
  QSizeGrip* grip_;
};

}  // namespace rv
