#include "regress/equation_list.h"

#include <algorithm>
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
  return record;
}

int EquationList::chooseSlot(double rSquared) const {
  if (!(rSquared > entryThreshold_)) return -1;
  if (size() < kCapacity) return size();
  return lowestSlot_;
}

void EquationList::insert(int slot, EquationRecord record) {
  if (slot == size())
    slots_.push_back(std::move(record));
  else
    slots_[static_cast<size_t>(slot)] = std::move(record);
  ++insertCount_;
  updateThreshold(slot);
}

void EquationList::completeSlot(int slot, EquationRecord record) {
  slots_[static_cast<size_t>(slot)] = std::move(record);
}

void EquationList::updateThreshold(int replacedSlot) {
  if (size() < kCapacity) return;
  // Ordered by R squared, then by slot: among equal lowest values the
  // smallest slot comes first.
  auto higher = std::greater<std::pair<double, int>>();
  const std::pair<double, int> entered{slots_[static_cast<size_t>(replacedSlot)].rSquared, replacedSlot};
  if (!byValue_.empty() && byValue_.front().second == replacedSlot) {
    std::pop_heap(byValue_.begin(), byValue_.end(), higher);
    byValue_.back() = entered;
    std::push_heap(byValue_.begin(), byValue_.end(), higher);
  } else {
    byValue_.clear();
    for (int i = 0; i < size(); ++i) byValue_.emplace_back(slots_[static_cast<size_t>(i)].rSquared, i);
    std::make_heap(byValue_.begin(), byValue_.end(), higher);
  }
  lowestSlot_ = byValue_.front().second;
  entryThreshold_ = byValue_.front().first;
}

std::vector<int> EquationList::sortOrder() const {
  std::vector<int> order(slots_.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
    return slots_[static_cast<size_t>(a)].rSquared > slots_[static_cast<size_t>(b)].rSquared;
  });
  return order;
}

void EquationList::clear() {
  slots_.clear();
  byValue_.clear();
  insertCount_ = 0;
  entryThreshold_ = 0.0;
  lowestSlot_ = -1;
}

void EquationList::setSingleEntry(EquationRecord record) {
  clear();
  slots_.push_back(std::move(record));
}

}  // namespace rv
