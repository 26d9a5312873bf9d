#pragma once

#include <QString>

namespace rv {

// "Can not print to DESTINATION:" and the reason below it. The message
// dialog is as wide as its first line, so the reason is broken into lines
// no wider than that one (between words where it can).
QString PrintFailureMessage(const QString& destination, const QString& reason);

}  // namespace rv
