#include "print/term_columns.h"

namespace rv {

namespace {

constexpr int kColumnRights[3] = {700, 1300, 1900};

}  // namespace

void PrintTermColumns(PageCanvas& canvas, int y, const std::string& term, const std::string& second,
                      const std::string& third) {
  const std::string* fields[3] = {&term, &second, &third};
  for (int i = 0; i < 3; ++i)
    canvas.drawText(kColumnRights[i], y, TextAlign::Right, PrintFont::Body, fields[i]->substr(0, kTermFieldLength));
}

}  // namespace rv
