#pragma once

class QWidget;

namespace rv {

inline constexpr int kCopyPicture = 101;     // "Copy &Picture - (Bitmap Format)"
inline constexpr int kCopyDataPoints = 102;  // "Copy &Data Points - (Text Format)"

// The Copy Graph dialog ("CopyDlg"): the checked choice on OK, 0 on Cancel.
int ShowCopyGraphDialog(QWidget* owner);

}  // namespace rv
