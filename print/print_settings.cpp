#include "print/print_settings.h"

#include <algorithm>

namespace rv {

int ClampCopies(long long typed) { return static_cast<int>(std::clamp<long long>(typed, kMinCopies, kMaxCopies)); }

int ClampTypedFontSize(long long typed) {
  return static_cast<int>(std::clamp<long long>(typed, kMinTypedFontSize, kMaxTypedFontSize));
}

}  // namespace rv
