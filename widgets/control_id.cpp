#include "widgets/control_id.h"

#include <QVariant>
#include <QWidget>

namespace rv {

namespace {
constexpr const char* kControlIdProperty = "controlId";
}

void SetControlId(QWidget* widget, int id) { widget->setProperty(kControlIdProperty, id); }

int ControlId(const QWidget* widget) {
  if (widget == nullptr) return -1;
  bool ok = false;
  const int id = widget->property(kControlIdProperty).toInt(&ok);
  return ok ? id : -1;
}

QWidget* FindControl(QWidget* root, int id) {
  if (root == nullptr) return nullptr;
  if (ControlId(root) == id) return root;
  for (QWidget* child : root->findChildren<QWidget*>()) {
    if (ControlId(child) == id) return child;
  }
  return nullptr;
}

}  // namespace rv
