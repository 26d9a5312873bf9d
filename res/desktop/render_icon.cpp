// Renders the program's SVG picture as a square PNG of one size, for the
// icon theme's fixed-size folders: desktops that show a menu entry or a file
// type at 16 or 48 pixels look there first.
//
//   regrovantis-render-icon PICTURE.svg OUT.png SIZE

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s PICTURE.svg OUT.png SIZE\n", argv[0]);
    return 2;
  }
  QGuiApplication application(argc, argv);
  QSvgRenderer picture(QString::fromLocal8Bit(argv[1]));
  const int size = QString::fromLatin1(argv[3]).toInt();
  if (!picture.isValid() || size <= 0) {
    std::fprintf(stderr, "cannot render %s at %s pixels\n", argv[1], argv[3]);
    return 1;
  }
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  picture.render(&painter);
  painter.end();
  if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
