#include "files/byte_fields.h"

#include <bit>
#include <stdexcept>

namespace rv {

namespace {

void CheckField(std::size_t imageSize, std::size_t offset, std::size_t size) {
  if (offset > imageSize || size > imageSize - offset) throw std::out_of_range("field outside the file image");
}

void PutLittleEndian(std::span<std::uint8_t> bytes, std::size_t offset, std::uint64_t value, std::size_t size) {
  CheckField(bytes.size(), offset, size);
  for (std::size_t i = 0; i < size; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint64_t GetLittleEndian(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t size) {
  CheckField(bytes.size(), offset, size);
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < size; ++i) value |= std::uint64_t{bytes[offset + i]} << (8 * i);
  return value;
}

}  // namespace

void PutUint32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value) {
  PutLittleEndian(bytes, offset, value, 4);
}

void PutInt32(std::span<std::uint8_t> bytes, std::size_t offset, std::int32_t value) {
  PutLittleEndian(bytes, offset, static_cast<std::uint32_t>(value), 4);
}

void PutUint64(std::span<std::uint8_t> bytes, std::size_t offset, std::uint64_t value) {
  PutLittleEndian(bytes, offset, value, 8);
}

void PutDouble(std::span<std::uint8_t> bytes, std::size_t offset, double value) {
  PutLittleEndian(bytes, offset, std::bit_cast<std::uint64_t>(value), 8);
}

std::uint32_t GetUint32(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::uint32_t>(GetLittleEndian(bytes, offset, 4));
}

std::int32_t GetInt32(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::int32_t>(GetUint32(bytes, offset));
}

std::uint64_t GetUint64(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return GetLittleEndian(bytes, offset, 8);
}

double GetDouble(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return std::bit_cast<double>(GetLittleEndian(bytes, offset, 8));
}

}  // namespace rv
