#include "print/term_columns.h"

#include "print/page_geometry.h"

namespace rv {

namespace {

constexpr int kColumnRights[3] = {700, 1300, 1900};
constexpr int kColumnGap = 20;

}  // namespace

void PrintTermColumns(PageCanvas& canvas, int y, const std::string& term, const std::string& second,
                      const std::string& third) {
  const std::string* fields[3] = {&term, &second, &third};
  int left = kLeftMargin;
  for (int i = 0; i < 3; ++i) {
    canvas.drawClippedText(kColumnRights[i], y, TextAlign::Right, PrintFont::Body,
                           fields[i]->substr(0, kTermFieldLength), left, kColumnRights[i]);
    left = kColumnRights[i] + kColumnGap;
  }
}

}  // namespace rv
