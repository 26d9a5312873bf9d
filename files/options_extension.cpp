#include "files/options_extension.h"

#include <algorithm>

#include "base/fnv1a.h"
#include "files/byte_fields.h"
#include "files/data_file_extension.h"

namespace rv::data_file {

bool StartsOptionsExtension(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= kOptionsTag.size() && std::equal(kOptionsTag.begin(), kOptionsTag.end(), bytes.begin());
}

void AppendOptionsExtension(std::vector<std::uint8_t>& image, const DocumentOptions& options) {
  const std::uint32_t flags = options.weightedBySigma ? kWeightedBySigmaFlag : 0;
  if (flags == 0) return;
  const std::size_t start = image.size();
  image.resize(start + kOptionsSize, 0);
  std::span<std::uint8_t> extension(image.data() + start, kOptionsSize);
  std::copy(kOptionsTag.begin(), kOptionsTag.end(), extension.begin());
  PutUint32(extension, kExtensionVersionOffset, kOptionsVersion);
  PutUint32(extension, kOptionsFlags, flags);
  const std::size_t checked = kOptionsSize - kExtensionChecksumSize;
  PutUint64(extension, checked, Fnv1a64(extension.first(checked)));
}

bool ReadOptionsExtension(std::span<const std::uint8_t> extension, DocumentOptions& options) {
  if (extension.size() != kOptionsSize || !StartsOptionsExtension(extension)) return false;
  if (GetUint32(extension, kExtensionVersionOffset) != kOptionsVersion) return false;
  const std::size_t checked = kOptionsSize - kExtensionChecksumSize;
  if (GetUint64(extension, checked) != Fnv1a64(extension.first(checked))) return false;
  const std::uint32_t flags = GetUint32(extension, kOptionsFlags);
  if ((flags & ~kWeightedBySigmaFlag) != 0) return false;
  options.weightedBySigma = (flags & kWeightedBySigmaFlag) != 0;
  return true;
}

}  // namespace rv::data_file
