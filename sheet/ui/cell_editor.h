#pragma once

#include <QLineEdit>
#include <optional>

#include "sheet/sheet_navigation.h"

namespace rv {

// The line editor of the Data tab, used for the current cell and for the
// entry line. It takes only the characters of a number, turns the navigation
// keys (Ctrl+Home and Ctrl+End among them) into moves made when the key is
// released, and leaves the program's accelerators (Ctrl+C, Ctrl+V …) to the
// main window.
class CellEditor : public QLineEdit {
  Q_OBJECT
 public:
  explicit CellEditor(QWidget* parent = nullptr);

  // While the user edits inside the text, Left, Right, Home and End move the
  // caret and refused characters are silent.
  void setEditMode(bool on) { editMode_ = on; }
  bool editMode() const { return editMode_; }

 signals:
  // An accepted character is about to change the text.
  void acceptingCharacter();
  void navigationKeyReleased(rv::NavigationKey key);
  // Replaces the editor's own context menu when connected.
  void contextMenuAt(const QPoint& globalPosition);

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  std::optional<NavigationKey> movingKey(const QKeyEvent* event) const;

  bool editMode_ = false;
  struct PressedMove {
    int key;
    NavigationKey move;
  };
  std::optional<PressedMove> pressedNavigation_;
};

}  // namespace rv
