#pragma once

#include <array>
#include <cstddef>
#include <optional>

namespace rv {

// The equation sets, one for each transform of Y that a candidate fits. The
// search walks them in this order; files, the command line and the set
// status lines number them 1 to 6 in the same order.
enum class EquationSet {
  Y = 1,       // "Y ="
  Reciprocal,  // "1/Y ="
  Square,      // "Y^2 ="
  Cube,        // "Y^3 ="
  Log,         // "ln(Y) ="
  Exp,         // "exp(Y) ="
};

inline constexpr int kSetCount = 6;

// Every set, in search order.
inline constexpr std::array<EquationSet, kSetCount> kEquationSets = {EquationSet::Y,      EquationSet::Reciprocal,
                                                                     EquationSet::Square, EquationSet::Cube,
                                                                     EquationSet::Log,    EquationSet::Exp};

// The set's number as files and the command line write it.
constexpr int EquationSetNumber(EquationSet set) { return static_cast<int>(set); }

// The set a stored or typed number names; nothing for a number outside 1 to 6.
constexpr std::optional<EquationSet> EquationSetFromNumber(int number) {
  if (number < 1 || number > kSetCount) return std::nullopt;
  return kEquationSets[static_cast<std::size_t>(number - 1)];
}

// One value for each equation set, looked up by the set.
template <class T>
struct PerEquationSet {
  std::array<T, kSetCount> values{};

  T& operator[](EquationSet set) { return values[Index(set)]; }
  const T& operator[](EquationSet set) const { return values[Index(set)]; }
  friend bool operator==(const PerEquationSet&, const PerEquationSet&) = default;

 private:
  static constexpr std::size_t Index(EquationSet set) { return static_cast<std::size_t>(EquationSetNumber(set) - 1); }
};

}  // namespace rv
