#pragma once

namespace rv {

// The caption height the program's window and dialog sizes were laid out
// with. The desktop's frame draws the caption, so a size that includes it
// leaves this much less for the client area.
inline constexpr int kCaptionHeight = 19;

}  // namespace rv
