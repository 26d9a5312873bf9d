// Prints the MIME type a desktop gives a file, through the shared-mime-info
// database that XDG_DATA_HOME and XDG_DATA_DIRS name, as Qt's file dialogs
// and file managers read it.
//
//   mime_type_of name|content FILE

#include <QCoreApplication>
#include <QMimeDatabase>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  if (argc != 3 || (std::strcmp(argv[1], "name") != 0 && std::strcmp(argv[1], "content") != 0)) {
    std::fprintf(stderr, "usage: %s name|content FILE\n", argv[0]);
    return 2;
  }
  QCoreApplication application(argc, argv);
  const QMimeDatabase::MatchMode mode =
      std::strcmp(argv[1], "name") == 0 ? QMimeDatabase::MatchExtension : QMimeDatabase::MatchContent;
  const QMimeType type = QMimeDatabase().mimeTypeForFile(QString::fromLocal8Bit(argv[2]), mode);
  std::printf("%s\n", type.name().toUtf8().constData());
  return 0;
}
