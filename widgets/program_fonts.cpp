#include "widgets/program_fonts.h"

namespace rv {

namespace {

QFont PixelFont(const char* family, int pixelSize, QFont::Weight weight) {
  QFont font(QString::fromLatin1(family));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelSize);
  font.setWeight(weight);
  return font;
}

}  // namespace

QFont DialogFont() { return PixelFont("Liberation Sans", 11, QFont::Normal); }

QFont CaptionFont() { return PixelFont("Liberation Sans", 12, QFont::Bold); }

QFont GridFont() { return PixelFont("Liberation Sans", 13, QFont::Normal); }

}  // namespace rv
