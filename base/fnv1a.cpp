#include "base/fnv1a.h"

namespace rv {

namespace {

constexpr std::uint64_t kPrime = 0x100000001B3u;

}  // namespace

void Fnv1a64Hash::add(std::span<const std::uint8_t> bytes) {
  for (const std::uint8_t byte : bytes) {
    hash_ ^= byte;
    hash_ *= kPrime;
  }
}

void Fnv1a64Hash::add(std::uint64_t word) {
  for (int byte = 0; byte < 8; ++byte) {
    hash_ ^= (word >> (8 * byte)) & 0xFFu;
    hash_ *= kPrime;
  }
}

std::uint64_t Fnv1a64(std::span<const std::uint8_t> bytes) {
  Fnv1a64Hash hash;
  hash.add(bytes);
  return hash.value();
}

std::uint64_t Fnv1a64(std::string_view text) {
  return Fnv1a64(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace rv
