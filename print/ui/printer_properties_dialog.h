#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "print/ui/print_server.h"

class QComboBox;

namespace rv {

// The options of a queue that the print dialog's Properties set.
struct QueueOptions {
  std::string sides;  // empty: the queue's own
  int quality = 0;    // 0: the queue's own
  friend bool operator==(const QueueOptions&, const QueueOptions&) = default;
};

// Whether the queue offers a choice the Properties can make.
bool HasQueueOptions(const PrintQueue& queue);

// "Properties - QUEUE": the queue's own options, as its print server offers
// them: two-sided printing and print quality. Only OK and Cancel: copies
// and printing stay with the print dialog.
class PrinterPropertiesDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kSidesId = 201;
  static constexpr int kQualityId = 202;

  PrinterPropertiesDialog(const PrintQueue& queue, const QueueOptions& current, QWidget* owner);
  QueueOptions chosen() const;

 private:
  QComboBox* sides_;
  QComboBox* quality_;
};

// Shows the dialog; the options chosen on OK, nothing on Cancel.
std::optional<QueueOptions> EditQueueOptions(const PrintQueue& queue, const QueueOptions& current, QWidget* owner);

}  // namespace rv
