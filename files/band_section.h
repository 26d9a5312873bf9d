#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "sheet/band_options.h"

// The settings of the confidence and prediction bands follow the rows'
// extension (data_file_extension.h), or the block when there is none, in a
// section of their own. A document with the default settings writes none,
// so its file is what it always was.
//
//   offset  size  content
//   0       8     tag "RVDBAND\x1A"
//   8       4     version, 1
//   12      8     the level, a little-endian double within the band limits
//   20      4     1 when the bands are shown, 0 when hidden
//   24      4     the confidence band's graph colour selection, 0 to 16
//   28      4     the prediction band's, 0 to 16
//   32      8     FNV-1a 64 of the 32 bytes before it
namespace rv::data_file {

inline constexpr std::string_view kBandSectionTag{"RVDBAND\x1A", 8};
inline constexpr std::uint32_t kBandSectionVersion = 1;
inline constexpr std::size_t kBandSectionSize = 40;

// Whether the section starts these bytes (by its tag alone).
bool StartsBandSection(std::span<const std::uint8_t> bytes);

// Appends the section unless the settings are the defaults.
void AppendBandSection(std::vector<std::uint8_t>& image, const BandOptions& bands);

// Reads a section of exactly kBandSectionSize bytes into the settings.
// False, with the settings untouched, when any part of it is wrong: tag,
// version, size, checksum, a level out of range, a switch other than 0 and
// 1 or a colour selection out of range.
bool ReadBandSection(std::span<const std::uint8_t> section, BandOptions& bands);

}  // namespace rv::data_file
