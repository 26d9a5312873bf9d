#pragma once

#include <QFont>
#include <QString>
#include <array>
#include <functional>
#include <memory>

#include "print/page_canvas.h"

class QPainter;
class QPrinter;
class QWidget;

namespace rv {

class PrinterProperties;

// Asks where "Print to PDF" writes, starting from the suggested path; an
// empty answer cancels the job.
using PdfPathChooser = std::function<QString(QWidget* owner, const QString& suggestedPath)>;

inline constexpr const char* kCannotCreateDeviceMessage = "Can not create printer\ndevice context.";
inline constexpr const char* kCannotStartDocumentMessage = "Can not start document\non device queue.";

// The page canvas on a printer of the print system or on a PDF file: a
// QPainter over a QPrinter on Letter paper, from its top left corner, one
// page unit 1/300 inch at whatever resolution the device has.
class PrinterCanvas : public PageCanvas {
 public:
  PrinterCanvas(PrinterProperties& properties, QWidget* owner, QString suggestedPdfPath, PdfPathChooser choosePdfPath);
  ~PrinterCanvas() override;

  // Opens the printer named in the setup (the one kept with its properties,
  // if any) or, for "Print to PDF", the file the chooser names (refused, with
  // a message saying what it is, when it leads to anything but a regular
  // file). When the
  // printer cannot be opened or the document cannot start, the user is told
  // so and everything created for the job is released again.
  bool beginJob(const PrintJobSetup& setup) override;
  void startPage() override;
  void endPage() override;
  void endJob() override;

  void drawText(int x, int y, TextAlign align, PrintFont font, const std::string& text) override;
  void drawLine(int x1, int y1, int x2, int y2, const PagePen& pen) override;
  void drawPicture(int x, int y, int width, int height, const FrameBuffer& picture, const GraphPalette& palette) override;

  // Whether a job holds a printer now.
  bool isOpen() const { return painter_ != nullptr; }
  // Whether anything created for a job is still held: after a job ends, or
  // fails to start, nothing is.
  bool holdsJob() const { return painter_ || ownPrinter_ || printer_; }

 private:
  // The printer kept with its properties, or one this job creates.
  QPrinter* printerFor(const QString& name);
  QPrinter* openPrinter(const PrintJobSetup& setup);
  bool fail(const char* message);
  void release();
  void mapPageUnits();

  PrinterProperties& properties_;
  QWidget* owner_;
  QString suggestedPdfPath_;
  PdfPathChooser choosePdfPath_;

  std::unique_ptr<QPrinter> ownPrinter_;  // a printer this job created
  QPrinter* printer_ = nullptr;           // ownPrinter_ or a kept one
  std::unique_ptr<QPainter> painter_;
  JobFonts fontSpecs_;
  std::array<QFont, kPrintFontCount> fonts_;
  int pagesStarted_ = 0;
};

}  // namespace rv
