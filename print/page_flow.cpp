#include "print/page_flow.h"

namespace rv {

PageFlow::PageFlow(PrintJob& job, PageHeading heading) : job_(job), heading_(std::move(heading)) {}

int PageFlow::start() {
  job_.pageCounter = 1;
  StartPrintPage(job_);
  bodyTop_ = heading_(job_);
  return bodyTop_;
}

int PageFlow::place(int y, int height) {
  if (y + height <= job_.geometry.footerY || y <= bodyTop_) return y;
  return breakPage();
}

int PageFlow::breakPage() {
  EndPrintPage(job_);
  ++job_.pageCounter;
  StartPrintPage(job_);
  bodyTop_ = heading_(job_);
  return bodyTop_;
}

void PageFlow::finish() { EndPrintPage(job_); }

}  // namespace rv
