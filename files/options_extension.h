#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "sheet/document.h"

// Options beyond the block's own fields travel in a second extension, behind
// the rows' one where the sheet has it. A document that sets none of them has
// none, so its file is what it always was.
//
//   offset  size  content
//   0       8     tag "RVDOPTS\x1A"
//   8       4     version, 1
//   12      4     flags: bit 0, every fit weighted by sigma of Y in X16
//   16      8     FNV-1a 64 of every byte of the extension before it
namespace rv::data_file {

inline constexpr std::string_view kOptionsTag{"RVDOPTS\x1A", 8};
inline constexpr std::uint32_t kOptionsVersion = 1;
inline constexpr std::size_t kOptionsFlags = 12;
inline constexpr std::size_t kOptionsSize = 24;
inline constexpr std::uint32_t kWeightedBySigmaFlag = 1;

// Whether bytes behind the block begin with this extension's tag.
bool StartsOptionsExtension(std::span<const std::uint8_t> bytes);

// Appends the extension when the options set any of its flags.
void AppendOptionsExtension(std::vector<std::uint8_t>& image, const DocumentOptions& options);

// Reads the extension (every byte of it, no more) into the options. False,
// with the options untouched, when any part of it is wrong.
bool ReadOptionsExtension(std::span<const std::uint8_t> extension, DocumentOptions& options);

}  // namespace rv::data_file
