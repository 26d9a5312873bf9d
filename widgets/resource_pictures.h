#pragma once

#include <QPixmap>
#include <QString>

namespace rv {

// A picture of the program's resources ("EQN1" … "EQN6", "MARK", "NONE",
// "Regrovantis") drawn at the given size.
QPixmap ResourcePicture(const QString& name, QSize size);

}  // namespace rv
