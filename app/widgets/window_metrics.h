#pragma once

namespace rv {

// The caption height the program's layouts were drawn with; the message
// dialog's text height counts it once.
inline constexpr int kCaptionHeight = 19;

}  // namespace rv
