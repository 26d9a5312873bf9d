#include "files/band_section.h"

#include <algorithm>

#include "base/fnv1a.h"
#include "files/byte_fields.h"
#include "files/data_file_extension.h"

namespace rv::data_file {

namespace {

constexpr std::size_t kVersionOffset = 8;
constexpr std::size_t kLevelOffset = 12;
constexpr std::size_t kShownOffset = 20;
constexpr std::size_t kConfidenceColorOffset = 24;
constexpr std::size_t kPredictionColorOffset = 28;
constexpr std::size_t kChecksumOffset = 32;
// 16 is the selection "none".
constexpr std::int32_t kLastColorSelection = 16;

bool IsColorSelection(std::int32_t selection) { return selection >= 0 && selection <= kLastColorSelection; }

}  // namespace

bool StartsBandSection(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= kBandSectionTag.size() &&
         std::equal(kBandSectionTag.begin(), kBandSectionTag.end(), bytes.begin());
}

void AppendBandSection(std::vector<std::uint8_t>& image, const BandOptions& bands) {
  if (bands == BandOptions{}) return;
  const std::size_t start = image.size();
  image.resize(start + kBandSectionSize);
  const std::span<std::uint8_t> section = std::span(image).subspan(start);
  std::copy(kBandSectionTag.begin(), kBandSectionTag.end(), section.begin());
  PutUint32(section, kVersionOffset, kBandSectionVersion);
  PutDouble(section, kLevelOffset, bands.level);
  PutUint32(section, kShownOffset, bands.shown ? 1 : 0);
  PutInt32(section, kConfidenceColorOffset, bands.confidenceColor);
  PutInt32(section, kPredictionColorOffset, bands.predictionColor);
  PutUint64(section, kChecksumOffset, Fnv1a64(section.first(kChecksumOffset)));
}

bool ReadBandSection(std::span<const std::uint8_t> section, BandOptions& bands) {
  if (section.size() != kBandSectionSize || !StartsBandSection(section)) return false;
  if (GetUint32(section, kVersionOffset) != kBandSectionVersion) return false;
  if (GetUint64(section, kChecksumOffset) != Fnv1a64(section.first(kChecksumOffset))) return false;
  BandOptions read;
  read.level = GetDouble(section, kLevelOffset);
  const std::uint32_t shown = GetUint32(section, kShownOffset);
  read.shown = shown == 1;
  read.confidenceColor = GetInt32(section, kConfidenceColorOffset);
  read.predictionColor = GetInt32(section, kPredictionColorOffset);
  if (!IsBandLevel(read.level) || shown > 1 || !IsColorSelection(read.confidenceColor) ||
      !IsColorSelection(read.predictionColor))
    return false;
  bands = read;
  return true;
}

}  // namespace rv::data_file
