#include "sheet/undo_history.h"

namespace rv {

void UndoHistory::push(std::string name, SheetChange change) {
  while (canRedo()) {
    bytes_ -= steps_.back().bytes;
    steps_.pop_back();
  }
  const std::size_t bytes = change.bytes() + name.capacity();
  steps_.push_back({std::move(name), std::move(change), bytes});
  bytes_ += bytes;
  ++next_;
  dropOldest();
}

void UndoHistory::setByteBudget(std::size_t bytes) {
  budget_ = bytes;
  dropOldest();
}

// The steps furthest from the sheet as it is go first: the oldest to undo,
// then, when all were undone, the last to redo. Either way the steps left
// still lead, one by one, from the sheet as it is.
void UndoHistory::dropOldest() {
  while (!steps_.empty() && (steps_.size() > maxSteps_ || bytes_ > budget_)) {
    if (next_ > 0) {
      bytes_ -= steps_.front().bytes;
      steps_.pop_front();
      --next_;
    } else {
      bytes_ -= steps_.back().bytes;
      steps_.pop_back();
    }
  }
}

const SheetChange* UndoHistory::undo() {
  if (!canUndo()) return nullptr;
  return &steps_[--next_].change;
}

const SheetChange* UndoHistory::redo() {
  if (!canRedo()) return nullptr;
  return &steps_[next_++].change;
}

void UndoHistory::clear() {
  steps_.clear();
  next_ = 0;
  bytes_ = 0;
}

}  // namespace rv
