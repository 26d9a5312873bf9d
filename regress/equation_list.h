#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace rv {

// One ranked entry. The texts are kept whole in memory; only the data file's
// fixed fields cut them.
struct EquationRecord {
  double rSquared = 0.0;
  std::string rSquaredText;  // " %f"
  std::string ordinalText;   // "%d"
  std::int64_t ordinal = 0;
  std::string text;

  std::int32_t textLength() const { return static_cast<std::int32_t>(text.size()); }
};

EquationRecord MakeEquationRecord(double rSquared, std::int64_t ordinal, std::string text);

// The best equations of a search, at most 1000, filled by the insertion rule:
// slots fill in order; once full, a candidate enters only when its R squared
// exceeds the lowest held, and replaces the lowest entry with the smallest slot.
class EquationList {
 public:
  static constexpr int kCapacity = 1000;

  // R squared a candidate must exceed: 0 until the list is full, then the lowest held.
  double entryThreshold() const { return entryThreshold_; }
  // Insertions since the search started, not capped at the capacity.
  std::int64_t insertCount() const { return insertCount_; }
  int size() const { return static_cast<int>(slots_.size()); }
  bool empty() const { return slots_.empty(); }
  const EquationRecord& slot(int index) const { return slots_[static_cast<size_t>(index)]; }

  // The slot a candidate with this R squared would take, or -1 when it does not enter.
  int chooseSlot(double rSquared) const;
  // Fills the slot chosen by chooseSlot and counts the insertion.
  void insert(int slot, EquationRecord record);

  // Puts an entry's full record in its slot, in place of the bare one (R
  // squared and ordinal) that a search entered, which writes the texts only
  // of the entries that stay. The R squared must be the one entered.
  void completeSlot(int slot, EquationRecord record);

  // Slot numbers by descending R squared; equal values keep slot order.
  std::vector<int> sortOrder() const;

  void clear();
  // A reopened data file shows its stored equation as the only entry.
  void setSingleEntry(EquationRecord record);

 private:
  void updateThreshold(int replacedSlot);

  std::vector<EquationRecord> slots_;
  std::int64_t insertCount_ = 0;
  double entryThreshold_ = 0.0;
  int lowestSlot_ = -1;
  // Once the list is full, every (R squared, slot) as a heap with the lowest
  // on top: the entry a newcomer replaces, found without looking at all.
  std::vector<std::pair<double, int>> byValue_;
};

}  // namespace rv
