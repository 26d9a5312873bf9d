#pragma once

#include <QFont>
#include <array>
#include <memory>

#include "print/page_canvas.h"
#include "print/paper.h"

class QPagedPaintDevice;
class QPainter;

namespace rv {

// The page canvas painted with a QPainter on pages of a paged device (a PDF
// writer, a printer of the print preview). The layout's page units are
// 1/300 inch as on Letter paper; on a smaller paper the whole page is scaled
// down so that nothing leaves it, and the layout takes the page that makes.
class PaintedCanvas : public PageCanvas {
 public:
  // localePaper is the paper of a job whose settings and printer name none.
  explicit PaintedCanvas(const Paper& localePaper);
  ~PaintedCanvas() override;
  PaintedCanvas(const PaintedCanvas&) = delete;
  PaintedCanvas& operator=(const PaintedCanvas&) = delete;

  bool beginJob(const PrintJobSetup& setup) override;
  PageSize pageSize() const override;
  void startPage() override;
  void endPage() override;
  void endJob() override;

  void drawText(int x, int y, TextAlign align, PrintFont font, const std::string& text) override;
  void drawClippedText(int x, int y, TextAlign align, PrintFont font, const std::string& text, int clipLeft,
                       int clipRight) override;
  int textWidth(PrintFont font, const std::string& text) override;
  void drawLine(int x1, int y1, int x2, int y2, const PagePen& pen) override;
  void drawGraph(int x, int y, int side, const VectorGraph& graph) override;

  // Whether a job is being painted now.
  bool isOpen() const { return painter_ != nullptr; }
  // The paper of the job begun last.
  const Paper& paper() const { return paper_; }

 protected:
  // The device for the job's pages (the canvas lays its pages out on the
  // paper); nullptr when there is none (the user has been told why, or
  // declined).
  virtual QPagedPaintDevice* openDevice(const PrintJobSetup& setup) = 0;
  // The painting could not start on the device.
  virtual void paintingFailed(const PrintJobSetup& setup) = 0;
  // After the last page: hands the pages on. painted is false when the
  // device could not take them all.
  virtual void closeDevice(const PrintJobSetup& setup, bool painted) = 0;

 private:
  void mapPageUnits();
  void drawTextIn(int x, int y, TextAlign align, PrintFont font, const std::string& text, const QRectF* clip);

  Paper localePaper_;
  Paper paper_;
  double scale_ = 1.0;
  PrintJobSetup setup_;
  std::unique_ptr<QPainter> painter_;
  QPagedPaintDevice* device_ = nullptr;
  std::array<QFont, kPrintFontCount> fonts_;
  int pagesStarted_ = 0;
};

}  // namespace rv
