#include "widgets/resource_pictures.h"

#include <QPainter>
#include <QSvgRenderer>

// The resources live in a static library; nothing else references them, so
// they are registered explicitly before the first use.
static void RegisterResources() { Q_INIT_RESOURCE(regrovantis); }

namespace rv {

QPixmap ResourcePicture(const QString& name, QSize size) {
  static const bool registered = (RegisterResources(), true);
  Q_UNUSED(registered);
  QSvgRenderer renderer(QStringLiteral(":/res/%1.svg").arg(name));
  QPixmap picture(size);
  picture.fill(Qt::transparent);
  if (!renderer.isValid()) return picture;
  QPainter painter(&picture);
  renderer.render(&painter);
  return picture;
}

}  // namespace rv
