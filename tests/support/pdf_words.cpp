#include "support/pdf_words.h"

#include <QProcess>
#include <QRegularExpression>

namespace rv::testing {

std::vector<PdfWord> PdfText::find(const QString& text) const {
  std::vector<PdfWord> found;
  for (const PdfWord& word : words)
    if (word.text == text) found.push_back(word);
  return found;
}

std::vector<PdfWord> PdfText::onPage(int page) const {
  std::vector<PdfWord> found;
  for (const PdfWord& word : words)
    if (word.page == page) found.push_back(word);
  return found;
}

PdfText ReadPdfText(const QString& path) {
  PdfText result;
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
  if (!pdftotext.waitForFinished(60000) || pdftotext.exitStatus() != QProcess::NormalExit ||
      pdftotext.exitCode() != 0) {
    result.error = QStringLiteral("pdftotext failed: %1 %2")
                       .arg(pdftotext.errorString(), QString::fromLocal8Bit(pdftotext.readAllStandardError()));
    return result;
  }
  const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
  static const QRegularExpression element(QStringLiteral(
      "<page width=\"([0-9.]+)\" height=\"([0-9.]+)\">|"
      "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
  for (auto match = element.globalMatch(html); match.hasNext();) {
    const QRegularExpressionMatch m = match.next();
    if (!m.captured(1).isEmpty()) {
      result.pages.push_back({m.captured(1).toDouble(), m.captured(2).toDouble()});
      continue;
    }
    QString text = m.captured(7);
    text.replace(QLatin1String("&lt;"), QLatin1String("<")).replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\"")).replace(QLatin1String("&amp;"), QLatin1String("&"));
    result.words.push_back({static_cast<int>(result.pages.size()) - 1, text, m.captured(3).toDouble(),
                            m.captured(4).toDouble(), m.captured(5).toDouble(), m.captured(6).toDouble()});
  }
  return result;
}

}  // namespace rv::testing
