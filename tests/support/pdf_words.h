#pragma once

#include <QString>
#include <vector>

namespace rv::testing {

// A word of a PDF file as poppler's pdftotext -bbox reads it, in points
// (1/72 inch) from the top left corner of its page.
struct PdfWord {
  int page;  // from 0
  QString text;
  double xMin, yMin, xMax, yMax;
};

struct PdfPageSize {
  double width, height;
};

struct PdfText {
  std::vector<PdfPageSize> pages;
  std::vector<PdfWord> words;
  QString error;  // set when the file could not be read

  // The words equal to text, in reading order.
  std::vector<PdfWord> find(const QString& text) const;
  std::vector<PdfWord> onPage(int page) const;
};

PdfText ReadPdfText(const QString& path);

// Page units (1/300 inch) in points.
constexpr double Points(int units) { return units * 72.0 / 300.0; }

}  // namespace rv::testing
