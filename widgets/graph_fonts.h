#pragma once

#include <QFont>
#include <QString>

namespace rv {

// A font of the named face (resolved by fontconfig) whose cell, ascent plus
// descent, is about cellHeight pixels: the height the program's fonts are
// asked for by. Drawn without antialiasing, so every pixel of its text is
// either set or not, and with full hinting, so it looks the same whatever
// desktop settings the platform reads.
QFont CellHeightFont(const QString& family, QFont::StyleHint hint, int cellHeight);

// The graph's label font, "MS Sans Serif" as fontconfig resolves it, and
// the equation text's, "Times New Roman", by their cell heights.
QFont GraphLabelFont(int cellHeight);
QFont EquationTextFont(int cellHeight);

}  // namespace rv
