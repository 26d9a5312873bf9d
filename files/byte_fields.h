#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace rv {

// Little-endian numbers at a byte offset of a fixed-size image. Each access
// checks that the whole field lies inside the image and throws
// std::out_of_range otherwise, so no field is ever read or written beyond.
void PutUint32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value);
void PutInt32(std::span<std::uint8_t> bytes, std::size_t offset, std::int32_t value);
void PutUint64(std::span<std::uint8_t> bytes, std::size_t offset, std::uint64_t value);
void PutDouble(std::span<std::uint8_t> bytes, std::size_t offset, double value);

std::uint32_t GetUint32(std::span<const std::uint8_t> bytes, std::size_t offset);
std::int32_t GetInt32(std::span<const std::uint8_t> bytes, std::size_t offset);
std::uint64_t GetUint64(std::span<const std::uint8_t> bytes, std::size_t offset);
double GetDouble(std::span<const std::uint8_t> bytes, std::size_t offset);

}  // namespace rv
