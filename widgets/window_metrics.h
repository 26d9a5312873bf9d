#pragma once

namespace rv {

// The caption height the program's dialog sizes were laid out with. A size
// that counts the caption leaves this much less to the dialog's own area,
// since the desktop's frame draws the caption outside it.
inline constexpr int kCaptionHeight = 19;

}  // namespace rv
