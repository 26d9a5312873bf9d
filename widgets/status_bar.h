#pragma once

#include <QString>
#include <QWidget>

class QSizeGrip;

namespace rv {

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

  // pane is 1 or 2; the pane is redrawn at once.
  void setPaneText(int pane, const QString& text);
  QString paneText(int pane) const;

  QSize sizeHint() const override;
  // Where the pane's text is drawn.
  QRect paneRect(int pane) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:

  QString texts_[2];
  QSizeGrip* grip_;
};

}  // namespace rv
