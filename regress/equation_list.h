#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "regress/ranking_criterion.h"

namespace rv {

// One ranked entry. The texts are kept whole in memory; only the data file's
// fixed fields cut them.
struct EquationRecord {
  double rSquared = 0.0;
  std::string rSquaredText;  // " %f"
  std::string ordinalText;   // "%d"
  std::int64_t ordinal = 0;
  std::string text;
  // The sums the search scored it by, from which every criterion is worked
  // out. A record read from a data file keeps only its R squared: its sums
  // are not numbers and its coefficient count is 0.
  ResidualScore score;
  // The list's criterion with larger better; the R squared for a record read
  // from a data file.
  double merit = 0.0;

  std::int32_t textLength() const { return static_cast<std::int32_t>(text.size()); }
};

EquationRecord MakeEquationRecord(double rSquared, std::int64_t ordinal, std::string text);
// A record entered by a search that ranks by this criterion.
EquationRecord MakeRankedRecord(const ResidualScore& score, RankingCriterion criterion, std::int64_t ordinal,
                                std::string text);

// The best equations of a search by its criterion, at most 1000, all of
// different texts, filled by the insertion rule: slots fill in order; once
// full, a candidate enters only when its merit exceeds the lowest held, and
// replaces the lowest entry with the smallest slot. Whether a candidate may
// be listed at all (MayEnterList) is the caller's to check first.
class EquationList {
 public:
  static constexpr int kCapacity = 1000;

  EquationList() = default;
  explicit EquationList(RankingCriterion criterion) : criterion_(criterion) {}

  RankingCriterion criterion() const { return criterion_; }
  // Insertions since the search started, not capped at the capacity.
  std::int64_t insertCount() const { return insertCount_; }
  int size() const { return static_cast<int>(slots_.size()); }
  bool empty() const { return slots_.empty(); }
  const EquationRecord& slot(int index) const { return slots_[static_cast<size_t>(index)]; }

  // The slot a candidate with this merit would take, or -1 when it does not enter.
  int chooseSlot(double merit) const;
  // True when an entry holds the equation of this ordinal already.
  // textOf(ordinal) gives the equation text of any ordinal; since an
  // equation's text fixes its fit and so its merit, it is asked only about
  // entries of the very same merit, which are rare.
  bool holdsEquation(double merit, std::int64_t ordinal, const std::function<std::string(std::int64_t)>& textOf) const;
  // Fills the slot chosen by chooseSlot and counts the insertion.
  void insert(int slot, EquationRecord record);

  // Puts an entry's full record in its slot, in place of the bare one (its
  // score and ordinal) that a search entered, which writes the texts only of
  // the entries that stay. The merit must be the one entered.
  void completeSlot(int slot, EquationRecord record);

  // Slot numbers by descending merit; equal values keep slot order.
  std::vector<int> sortOrder() const;

  // From now on keeps a copy of every record entered, in order: what a part
  // of a search hands on, since replaying the entries of all parts in
  // ordinal order fills a list exactly as one search over them all does.
  void keepEntryLog() { keepsEntryLog_ = true; }
  const std::vector<EquationRecord>& entryLog() const { return entryLog_; }

  void clear();
  // A reopened data file shows its stored equation as the only entry.
  void setSingleEntry(EquationRecord record);

 private:
  void updateThreshold(int replacedSlot);

  RankingCriterion criterion_ = RankingCriterion::RSquared;
  std::vector<EquationRecord> slots_;
  std::int64_t insertCount_ = 0;
  bool keepsEntryLog_ = false;
  std::vector<EquationRecord> entryLog_;
  int lowestSlot_ = -1;
  // Once the list is full, every (merit, slot) as a heap with the lowest on
  // top: the entry a newcomer replaces, found without looking at all.
  std::vector<std::pair<double, int>> byValue_;
  // The slots by the bits of their merit.
  std::unordered_multimap<std::uint64_t, int> slotsByMerit_;
};

}  // namespace rv
