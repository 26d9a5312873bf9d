#pragma once

#include <QFont>

#include "print/job_fonts.h"

namespace rv {

// The font of a print job: the face requested by name (fontconfig finds a
// metric-compatible face for "Courier New", "Arial" and "Times New Roman"),
// outline only, unhinted, sized in page units so that its character cell,
// ascent plus descent, is the requested height, as printer fonts are sized.
QFont PageFont(const PrintFontChoice& spec);

}  // namespace rv
