#pragma once

#include <bit>
#include <cstdint>

namespace rv {

// A cell holding this value is empty. It is the double nearest -3.21e-33;
// emptiness is always decided by exact equality, never by a tolerance.
inline constexpr double EmptyValue = std::bit_cast<double>(std::uint64_t{0xB930AAD265D74886});

constexpr bool IsEmptyValue(double value) { return value == EmptyValue; }

}  // namespace rv
