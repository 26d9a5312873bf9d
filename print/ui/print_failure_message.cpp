#include "print/ui/print_failure_message.h"

#include <QFontMetrics>
#include <QStringList>

#include "widgets/program_fonts.h"

namespace rv {

namespace {

// The longest start of text, at least one character, that is no wider
// than width; it ends after a blank when one lets it.
qsizetype FittingLength(const QFontMetrics& metrics, const QString& text, int width) {
  qsizetype fit = 1;
  while (fit < text.size() && metrics.horizontalAdvance(text.left(fit + 1)) <= width) ++fit;
  if (fit == text.size()) return fit;
  const qsizetype blank = text.lastIndexOf(QLatin1Char(' '), fit);
  return blank > 0 ? blank + 1 : fit;
}

}  // namespace

QString PrintFailureMessage(const QString& destination, const QString& reason) {
  const QString first = QStringLiteral("Can not print to %1:").arg(destination);
  const QFontMetrics metrics(DialogFont());
  const int width = metrics.horizontalAdvance(first);
  QStringList lines{first};
  for (QString rest : reason.split(QLatin1Char('\n'))) {
    rest = rest.trimmed();
    while (!rest.isEmpty()) {
      const qsizetype length = FittingLength(metrics, rest, width);
      lines << rest.left(length).trimmed();
      rest = rest.mid(length).trimmed();
    }
  }
  return lines.join(QLatin1Char('\n'));
}

}  // namespace rv
