#pragma once

#include <cstddef>
#include <deque>
#include <string>

#include "sheet/sheet_change.h"

namespace rv {

// The changes of the sheet that Undo and Redo step through, oldest first,
// within a number of steps and a budget of bytes: a new step drops the steps
// that could be redone, then the oldest steps until both hold. A step larger
// than the whole budget is not kept at all.
class UndoHistory {
 public:
  static constexpr std::size_t kDefaultSteps = 100;
  static constexpr std::size_t kDefaultBudget = std::size_t{256} << 20;

  explicit UndoHistory(std::size_t maxSteps = kDefaultSteps, std::size_t byteBudget = kDefaultBudget)
      : maxSteps_(maxSteps), budget_(byteBudget) {}

  // A change already made to the sheet becomes the step to undo next.
  void push(std::string name, SheetChange change);
  // Another budget, held at once.
  void setByteBudget(std::size_t bytes);

  bool canUndo() const { return next_ > 0; }
  bool canRedo() const { return next_ < steps_.size(); }
  // The names of the steps Undo and Redo would take; empty when none.
  std::string undoName() const { return canUndo() ? steps_[next_ - 1].name : std::string(); }
  std::string redoName() const { return canRedo() ? steps_[next_].name : std::string(); }

  // The change to undo, or to redo, moving one step back or forward;
  // nullptr when there is none.
  const SheetChange* undo();
  const SheetChange* redo();

  void clear();

  std::size_t steps() const { return steps_.size(); }
  std::size_t bytes() const { return bytes_; }
  std::size_t byteBudget() const { return budget_; }

 private:
  struct Step {
    std::string name;
    SheetChange change;
    std::size_t bytes = 0;
  };
  void dropOldest();

  std::deque<Step> steps_;
  std::size_t next_ = 0;  // steps_[next_ - 1] is undone next, steps_[next_] redone
  std::size_t bytes_ = 0;
  std::size_t maxSteps_;
  std::size_t budget_;
};

}  // namespace rv
