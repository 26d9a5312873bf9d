#pragma once

#include <functional>

#include "print/print_job.h"

namespace rv {

// The body of a report that runs on over as many pages as it needs: each
// line goes where the report puts it while it ends above the footer, and
// otherwise on a new page, numbered on from the last, whose heading the
// report draws again.
class PageFlow {
 public:
  // Draws the top of a page (titles, column headings) and returns the y of
  // the body's first line.
  using PageHeading = std::function<int(PrintJob& job)>;

  PageFlow(PrintJob& job, PageHeading heading);

  // Starts page 1 and returns the y below its heading.
  int start();
  // Where a line height units high goes that the report would put at y:
  // at y when it ends above the footer, else at the top of a new page's
  // body. A line that cannot fit even on a new page goes there all the same.
  int place(int y, int height);
  // Ends the page and starts the next; returns the y of its first line.
  int breakPage();
  // Ends the page that is open.
  void finish();

 private:
  PrintJob& job_;
  PageHeading heading_;
  int bodyTop_ = 0;
};

}  // namespace rv
