#include "print/ui/printer_canvas.h"

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "files/atomic_file.h"
#include "print/page_geometry.h"
#include "print/print_settings.h"
#include "print/ui/page_font.h"
#include "print/ui/printer_properties.h"
#include "widgets/message_dialog.h"

namespace rv {

PrinterCanvas::PrinterCanvas(PrinterProperties& properties, QWidget* owner, QString suggestedPdfPath,
                             PdfPathChooser choosePdfPath)
    : properties_(properties),
      owner_(owner),
      suggestedPdfPath_(std::move(suggestedPdfPath)),
      choosePdfPath_(std::move(choosePdfPath)) {}

PrinterCanvas::~PrinterCanvas() {
  if (isOpen()) endJob();
}

QPrinter* PrinterCanvas::printerFor(const QString& name) {
  if (QPrinter* kept = properties_.keptPrinter(name)) return kept;
  ownPrinter_ = NewPrinter(name);
  return ownPrinter_.get();
}

QPrinter* PrinterCanvas::openPrinter(const PrintJobSetup& setup) {
  const QString name = QString::fromStdString(setup.printer);
  if (name == QLatin1String(kPrintToPdf)) {
    const QString path = choosePdfPath_ ? choosePdfPath_(owner_, suggestedPdfPath_) : QString();
    if (path.isEmpty()) return nullptr;
    // The printer writes the file itself: a pipe would hold the program
    // until something reads it, a device would swallow the document.
    if (const auto refusal = TargetRefusal(QFile::encodeName(path).toStdString())) {
      ShowMessage(QString::fromStdString(*refusal), owner_, MessageKind::Error);
      return nullptr;
    }
    QPrinter* printer = printerFor(name);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    return printer;
  }
  if (QPrinterInfo::printerInfo(name).isNull()) {
    fail(kCannotCreateDeviceMessage);
    return nullptr;
  }
  QPrinter* printer = printerFor(name);
  // Naming the printer again would set its options back to the printer's defaults.
  if (printer->printerName() != name) printer->setPrinterName(name);
  if (!printer->isValid()) {
    fail(kCannotCreateDeviceMessage);
    return nullptr;
  }
  return printer;
}

bool PrinterCanvas::beginJob(const PrintJobSetup& setup) {
  if (isOpen()) endJob();
  printer_ = openPrinter(setup);
  if (!printer_) {
    release();
    return false;
  }
  printer_->setDocName(QString::fromStdString(setup.documentName));
  printer_->setPageSize(QPageSize(QPageSize::Letter));
  printer_->setPageOrientation(setup.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  printer_->setFullPage(true);
  printer_->setCopyCount(setup.copies);
  fontSpecs_ = setup.fonts;
  for (size_t f = 0; f < fonts_.size(); ++f) fonts_[f] = PageFont(fontSpecs_[f]);

  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(printer_)) return fail(kCannotStartDocumentMessage);
  pagesStarted_ = 0;
  return true;
}

bool PrinterCanvas::fail(const char* message) {
  release();
  ShowMessage(QString::fromLatin1(message), owner_, MessageKind::Error);
  return false;
}

void PrinterCanvas::release() {
  painter_.reset();
  printer_ = nullptr;
  ownPrinter_.reset();
}

void PrinterCanvas::mapPageUnits() {
  painter_->resetTransform();
  painter_->scale(printer_->logicalDpiX() / double(kPageUnitsPerInch), printer_->logicalDpiY() / double(kPageUnitsPerInch));
  painter_->setBackgroundMode(Qt::TransparentMode);
  painter_->setPen(Qt::black);
  painter_->setFont(fonts_[static_cast<size_t>(PrintFont::Body)]);
}

void PrinterCanvas::startPage() {
  if (!isOpen()) return;
  // The device starts its first page when the document starts.
  if (pagesStarted_++ > 0) printer_->newPage();
  mapPageUnits();
}

// A page ends when the next one starts or the document ends.
void PrinterCanvas::endPage() {}

void PrinterCanvas::endJob() {
  if (!isOpen()) return;
  painter_->end();
  release();
}

void PrinterCanvas::drawText(int x, int y, TextAlign align, PrintFont font, const std::string& text) {
  if (!isOpen()) return;
  const QFont& qfont = fonts_[static_cast<size_t>(font)];
  const QString line = QString::fromStdString(text);
  const QFontMetricsF metrics(qfont, painter_->device());
  const qreal width = metrics.horizontalAdvance(line);
  const qreal start = align == TextAlign::Left ? 0.0 : align == TextAlign::Centre ? -width / 2 : -width;
  painter_->save();
  painter_->setFont(qfont);
  painter_->setPen(Qt::black);
  painter_->translate(x, y);
  // A vertical text runs upward from its point, its cell's top to the left.
  if (FontOf(fontSpecs_, font).vertical) painter_->rotate(-90.0);
  painter_->drawText(QPointF(start, metrics.ascent()), line);
  painter_->restore();
}

void PrinterCanvas::drawLine(int x1, int y1, int x2, int y2, const PagePen& pen) {
  if (!isOpen()) return;
  // The thinnest line is one unit, a pixel of the 300-dot printers the
  // layout was made for; thinner hairlines vanish on fine devices.
  painter_->setPen(QPen(QColor(QRgb(pen.rgb)), pen.width > 0 ? pen.width : 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter_->drawLine(x1, y1, x2, y2);
}

void PrinterCanvas::drawPicture(int x, int y, int width, int height, const FrameBuffer& picture,
                                const GraphPalette& palette) {
  if (!isOpen() || picture.width <= 0 || picture.height <= 0) return;
  QImage image(picture.width, picture.height, QImage::Format_Indexed8);
  QList<QRgb> colors;
  for (int i = 0; i < kPaletteSize; ++i) colors.push_back(palette.argb(i));
  image.setColorTable(colors);
  for (int row = 0; row < picture.height; ++row)
    std::copy(picture.row(row), picture.row(row) + picture.width, image.scanLine(row));
  painter_->save();
  // Each pixel a square of its own colour, as a colour-index picture is
  // stretched; lossless, since a compressed picture would shift the colours.
  painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter_->setRenderHint(QPainter::LosslessImageRendering, true);
  painter_->drawImage(QRect(x, y, width, height), image);
  painter_->restore();
}

}  // namespace rv
