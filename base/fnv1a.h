#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace rv {

// FNV-1a, 64 bits: offset basis 0xCBF29CE484222325, prime 0x100000001B3.
// The program's one checksum and fingerprint: the data file's sections, the
// names of temporary and lock files and the fingerprint of a search shard
// all rest on it, so it must never change.
class Fnv1a64Hash {
 public:
  void add(std::span<const std::uint8_t> bytes);
  // The word's eight bytes, least significant first.
  void add(std::uint64_t word);
  std::uint64_t value() const { return hash_; }

 private:
  std::uint64_t hash_ = 0xCBF29CE484222325u;
};

std::uint64_t Fnv1a64(std::span<const std::uint8_t> bytes);
std::uint64_t Fnv1a64(std::string_view text);

}  // namespace rv
