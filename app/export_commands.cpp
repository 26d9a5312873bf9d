#include <QFile>

#include "app/file_commands.h"
#include "files/export_data_file.h"
#include "files/file_paths.h"
#include "files/ui/path_chooser.h"
#include "graph/graph_picture.h"
#include "graph/ui/picture_file.h"
#include "widgets/message_dialog.h"

namespace rv {

namespace {

// A name without an extension is a PNG picture's.
std::string PicturePath(const std::string& chosen) {
  const std::string withPng = WithExtension(chosen, ".png");
  return AbsolutePath(withPng == chosen + ".png" ? withPng : chosen);
}

}  // namespace

// The command table has committed the text being typed; a range selection
// stays as it is.
void FileCommands::exportData() {
  const std::optional<std::string> path = pathChooser_->exportDataPath(view_.dialogOwner(), document_.state.dataFolder);
  if (!path) return;
  const Outcome<void> exported = ExportDataFile(*path, document_.sheet);
  // Nothing to bring up to date: the sheet is as it was.
  view_.showOutcome(exported ? Outcome<ViewUpdates>(ViewUpdates{}) : Outcome<ViewUpdates>(exported.message()));
}

void FileCommands::exportGraph(const GraphPictureMaker& picture) {
  const std::optional<GraphExportChoice> chosen = pathChooser_->exportGraphPath(
      view_.dialogOwner(), document_.state.dataFolder, {kMinExportSize, kMaxExportSize, kPictureSize});
  if (!chosen) return;
  const std::string path = PicturePath(chosen->path);
  const QString shown = QFile::decodeName(path.c_str());
  const std::optional<PictureFormat> format = PictureFormatOf(path);
  if (!format) {
    ShowMessage(QStringLiteral("A graph is exported as a .png, .svg or .pdf file,\nnot as ") + shown,
                view_.dialogOwner(), MessageKind::Error);
    return;
  }
  if (const Outcome<void> written = WritePictureFile(path, picture(*format, chosen->size)); !written)
    ShowMessage(QStringLiteral("Error writing export file\n%1\n(%2)")
                    .arg(shown, QString::fromStdString(written.message().text)),
                view_.dialogOwner(), MessageKind::Error);
}

}  // namespace rv
