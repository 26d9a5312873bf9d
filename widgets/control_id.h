#pragma once

class QWidget;

namespace rv {

// Every control of the program carries a numeric identifier, kept as the
// dynamic property "controlId". Context help maps it to a help topic, and
// tests find controls by it.
void SetControlId(QWidget* widget, int id);

// The identifier of a control, or -1 when it has none.
int ControlId(const QWidget* widget);

// The first control with this identifier among root and its descendants, or nullptr.
QWidget* FindControl(QWidget* root, int id);

}  // namespace rv
