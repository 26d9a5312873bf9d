#include "print/ui/painted_canvas.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

#include "print/page_geometry.h"
#include "print/ui/page_font.h"
#include "widgets/vector_graph_painter.h"

namespace rv {

namespace {

QPageLayout LayoutOf(const Paper& paper, bool landscape) {
  const QPageSize size(QSizeF(paper.width / double(kPageUnitsPerInch), paper.height / double(kPageUnitsPerInch)),
                       QPageSize::Inch, QString::fromUtf8(paper.name.data(), qsizetype(paper.name.size())),
                       QPageSize::FuzzyMatch);
  return QPageLayout(size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

}  // namespace

PaintedCanvas::PaintedCanvas(const Paper& localePaper) : localePaper_(localePaper), paper_(localePaper) {}

PaintedCanvas::~PaintedCanvas() = default;

bool PaintedCanvas::beginJob(const PrintJobSetup& setup) {
  if (isOpen()) endJob();
  setup_ = setup;
  paper_ = JobPaper(setup.paper, setup.printerMedia, localePaper_);
  scale_ = LayoutScale(paper_, setup.landscape);
  device_ = openDevice(setup);
  if (!device_) return false;
  device_->setPageLayout(LayoutOf(paper_, setup.landscape));
  for (size_t f = 0; f < fonts_.size(); ++f) fonts_[f] = PageFont(setup.fonts[f]);
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(device_)) {
    painter_.reset();
    device_ = nullptr;
    paintingFailed(setup);
    return false;
  }
  pagesStarted_ = 0;
  return true;
}

PageSize PaintedCanvas::pageSize() const { return LayoutPage(paper_, setup_.landscape); }

void PaintedCanvas::mapPageUnits() {
  painter_->resetTransform();
  const QPaintDevice* device = painter_->device();
  painter_->scale(scale_ * device->logicalDpiX() / kPageUnitsPerInch,
                  scale_ * device->logicalDpiY() / kPageUnitsPerInch);
  painter_->setBackgroundMode(Qt::TransparentMode);
  painter_->setPen(Qt::black);
  painter_->setFont(fonts_[static_cast<size_t>(PrintFont::Body)]);
}

void PaintedCanvas::startPage() {
  if (!isOpen()) return;
  // The device starts its first page when the document starts.
  if (pagesStarted_++ > 0) device_->newPage();
  mapPageUnits();
}

// A page ends when the next one starts or the document ends.
void PaintedCanvas::endPage() {}

void PaintedCanvas::endJob() {
  if (!isOpen()) return;
  const bool painted = painter_->end();
  painter_.reset();
  device_ = nullptr;
  closeDevice(setup_, painted);
}

void PaintedCanvas::drawText(int x, int y, TextAlign align, PrintFont font, const std::string& text) {
  drawTextIn(x, y, align, font, text, nullptr);
}

void PaintedCanvas::drawClippedText(int x, int y, TextAlign align, PrintFont font, const std::string& text,
                                    int clipLeft, int clipRight) {
  const qreal height = FontOf(setup_.fonts, font).height;
  const QRectF clip(clipLeft, y - height, qreal(clipRight) - clipLeft, 3 * height);
  drawTextIn(x, y, align, font, text, &clip);
}

void PaintedCanvas::drawTextIn(int x, int y, TextAlign align, PrintFont font, const std::string& text,
                               const QRectF* clip) {
  if (!isOpen()) return;
  const QFont& qfont = fonts_[static_cast<size_t>(font)];
  const QString line = QString::fromStdString(text);
  const QFontMetricsF metrics(qfont);
  const qreal width = metrics.horizontalAdvance(line);
  const qreal start = align == TextAlign::Left ? 0.0 : align == TextAlign::Centre ? -width / 2 : -width;
  painter_->save();
  if (clip) painter_->setClipRect(*clip, Qt::IntersectClip);
  painter_->setFont(qfont);
  painter_->setPen(Qt::black);
  painter_->translate(x, y);
  // A vertical text runs upward from its point, its cell's top to the left.
  if (FontOf(setup_.fonts, font).vertical) painter_->rotate(-90.0);
  painter_->drawText(QPointF(start, metrics.ascent()), line);
  painter_->restore();
}

int PaintedCanvas::textWidth(PrintFont font, const std::string& text) {
  const QFontMetricsF metrics(fonts_[static_cast<size_t>(font)]);
  return static_cast<int>(std::ceil(metrics.horizontalAdvance(QString::fromStdString(text))));
}

void PaintedCanvas::drawLine(int x1, int y1, int x2, int y2, const PagePen& pen) {
  if (!isOpen()) return;
  // The thinnest line is one unit, a pixel of the 300-dot printers the
  // layout was made for; thinner hairlines vanish on fine devices.
  painter_->setPen(
      QPen(QColor(QRgb(pen.rgb)), pen.width > 0 ? pen.width : 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter_->drawLine(x1, y1, x2, y2);
}

void PaintedCanvas::drawGraph(int x, int y, int side, const VectorGraph& graph) {
  if (!isOpen() || graph.size <= 0) return;
  painter_->save();
  painter_->translate(x, y);
  painter_->scale(static_cast<double>(side) / graph.size, static_cast<double>(side) / graph.size);
  painter_->setClipRect(QRectF(0, 0, graph.size, graph.size), Qt::IntersectClip);
  PaintVectorGraph(*painter_, graph);
  painter_->restore();
}

}  // namespace rv
