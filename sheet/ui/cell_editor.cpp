#include "sheet/ui/cell_editor.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QRegularExpressionValidator>

#include "sheet/cell_entry.h"

namespace rv {

namespace {

// Ctrl+Home and Ctrl+End are the only moves made with a modifier.
std::optional<NavigationKey> NavigationKeyOf(int key, Qt::KeyboardModifiers modifiers) {
  if (modifiers & Qt::AltModifier) return std::nullopt;
  if (modifiers & Qt::ControlModifier) {
    if (key == Qt::Key_Home) return NavigationKey::SheetStart;
    if (key == Qt::Key_End) return NavigationKey::SheetEnd;
    return std::nullopt;
  }
  switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return NavigationKey::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return NavigationKey::Enter;
    case Qt::Key_Left: return NavigationKey::Left;
    case Qt::Key_Right: return NavigationKey::Right;
    case Qt::Key_Home: return NavigationKey::Home;
    case Qt::Key_End: return NavigationKey::End;
    case Qt::Key_Up: return NavigationKey::Up;
    case Qt::Key_Down: return NavigationKey::Down;
    case Qt::Key_PageUp: return NavigationKey::PageUp;
    case Qt::Key_PageDown: return NavigationKey::PageDown;
    default: return std::nullopt;
  }
}

bool IsTypedCharacter(const QKeyEvent* event) {
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const QString text = event->text();
  return !text.isEmpty() && text.at(0).isPrint();
}

bool IsAccepted(const QString& text) {
  for (const QChar character : text)
    if (character.unicode() > 127 || !IsAcceptedCellCharacter(static_cast<char>(character.unicode()))) return false;
  return true;
}

}  // namespace

CellEditor::CellEditor(QWidget* parent) : QLineEdit(parent) {
  // The length limit holds for typing only, so a cell shows its whole value
  // however long its text. Text arriving other ways than typing (a
  // middle-click paste, a drop) must obey the same character rule.
  setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[-+0-9.Ee]*")), this));
  setDragEnabled(false);
  setAcceptDrops(false);
}

std::optional<NavigationKey> CellEditor::movingKey(const QKeyEvent* event) const {
  const auto key = NavigationKeyOf(event->key(), event->modifiers());
  if (!key || (editMode_ && MovesCaretInEditMode(*key))) return std::nullopt;
  return key;
}

bool CellEditor::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    // The main window's accelerators come before the editor's own shortcuts.
    if (static_cast<QKeyEvent*>(event)->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
      event->ignore();
      return true;
    }
  }
  if (event->type() == QEvent::KeyPress) {
    // Tab moves to the next cell, never to the next control.
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
      keyPressEvent(static_cast<QKeyEvent*>(event));
      return true;
    }
  }
  return QLineEdit::event(event);
}

void CellEditor::keyPressEvent(QKeyEvent* event) {
  if (const auto key = movingKey(event)) {
    pressedNavigation_ = PressedMove{event->key(), *key};
    event->accept();
    return;
  }
  if (event->key() == Qt::Key_Backspace) {
    emit acceptingCharacter();
    QLineEdit::keyPressEvent(event);
    return;
  }
  if (IsTypedCharacter(event)) {
    if (!IsAccepted(event->text())) {
      if (!editMode_) QApplication::beep();
      event->accept();
      return;
    }
    emit acceptingCharacter();
    if (text().size() - selectedText().size() >= kMaxCellTextLength) {
      event->accept();
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

// The move is the one its key made when pressed: Ctrl may be let go first.
void CellEditor::keyReleaseEvent(QKeyEvent* event) {
  if (pressedNavigation_ && !event->isAutoRepeat() && pressedNavigation_->key == event->key()) {
    const NavigationKey move = pressedNavigation_->move;
    pressedNavigation_.reset();
    event->accept();
    emit navigationKeyReleased(move);
    return;
  }
  QLineEdit::keyReleaseEvent(event);
}

void CellEditor::contextMenuEvent(QContextMenuEvent* event) {
  if (!isSignalConnected(QMetaMethod::fromSignal(&CellEditor::contextMenuAt))) {
    QLineEdit::contextMenuEvent(event);
    return;
  }
  event->accept();
  emit contextMenuAt(event->globalPos());
}

}  // namespace rv
