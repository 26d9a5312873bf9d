#include "regress/equation_list.h"

#include <algorithm>
#include <bit>
#include <functional>

#include "sheet/value_text.h"

namespace rv {

EquationRecord MakeEquationRecord(double rSquared, std::int64_t ordinal, std::string text) {
  EquationRecord record;
  record.rSquared = rSquared;
  record.rSquaredText = FormatText(" %f", rSquared);
  record.ordinalText = FormatText("%lld", static_cast<long long>(ordinal));
  record.ordinal = ordinal;
  record.text = std::move(text);
  record.merit = rSquared;
  return record;
}

EquationRecord MakeRankedRecord(const ResidualScore& score, RankingCriterion criterion, std::int64_t ordinal,
                                std::string text) {
  EquationRecord record = MakeEquationRecord(score.rSquared(), ordinal, std::move(text));
  record.score = score;
  record.merit = score.merit(criterion);
  return record;
}

int EquationList::chooseSlot(double merit) const {
  if (size() < kCapacity) return merit == merit ? size() : -1;
  return merit > slots_[static_cast<size_t>(lowestSlot_)].merit ? lowestSlot_ : -1;
}

bool EquationList::holdsEquation(double merit, std::int64_t ordinal,
                                 const std::function<std::string(std::int64_t)>& textOf) const {
  const auto [first, last] = slotsByMerit_.equal_range(std::bit_cast<std::uint64_t>(merit));
  if (first == last) return false;
  const std::string text = textOf(ordinal);
  for (auto it = first; it != last; ++it)
    if (textOf(slots_[static_cast<size_t>(it->second)].ordinal) == text) return true;
  return false;
}

void EquationList::insert(int slot, EquationRecord record) {
  if (keepsEntryLog_) entryLog_.push_back(record);
  if (slot == size()) {
    slots_.push_back(std::move(record));
  } else {
    const auto [first, last] =
        slotsByMerit_.equal_range(std::bit_cast<std::uint64_t>(slots_[static_cast<size_t>(slot)].merit));
    for (auto it = first; it != last; ++it)
      if (it->second == slot) {
        slotsByMerit_.erase(it);
        break;
      }
    slots_[static_cast<size_t>(slot)] = std::move(record);
  }
  slotsByMerit_.emplace(std::bit_cast<std::uint64_t>(slots_[static_cast<size_t>(slot)].merit), slot);
  ++insertCount_;
  updateThreshold(slot);
}

void EquationList::completeSlot(int slot, EquationRecord record) {
  slots_[static_cast<size_t>(slot)] = std::move(record);
}

void EquationList::updateThreshold(int replacedSlot) {
  if (size() < kCapacity) return;
  // Ordered by merit, then by slot: among equal lowest values the smallest
  // slot comes first.
  auto higher = std::greater<std::pair<double, int>>();
  const std::pair<double, int> entered{slots_[static_cast<size_t>(replacedSlot)].merit, replacedSlot};
  if (!byValue_.empty() && byValue_.front().second == replacedSlot) {
    std::pop_heap(byValue_.begin(), byValue_.end(), higher);
    byValue_.back() = entered;
    std::push_heap(byValue_.begin(), byValue_.end(), higher);
  } else {
    byValue_.clear();
    for (int i = 0; i < size(); ++i) byValue_.emplace_back(slots_[static_cast<size_t>(i)].merit, i);
    std::make_heap(byValue_.begin(), byValue_.end(), higher);
  }
  lowestSlot_ = byValue_.front().second;
}

std::vector<int> EquationList::sortOrder() const {
  std::vector<int> order(slots_.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
    return slots_[static_cast<size_t>(a)].merit > slots_[static_cast<size_t>(b)].merit;
  });
  return order;
}

void EquationList::clear() {
  slots_.clear();
  byValue_.clear();
  slotsByMerit_.clear();
  entryLog_.clear();
  insertCount_ = 0;
  lowestSlot_ = -1;
}

void EquationList::setSingleEntry(EquationRecord record) {
  clear();
  criterion_ = RankingCriterion::RSquared;
  record.merit = record.rSquared;
  slots_.push_back(std::move(record));
}

}  // namespace rv
