#include <QFile>

#include "app/file_commands.h"
#include "app/path_chooser.h"
#include "files/export_data_file.h"
#include "files/file_paths.h"
#include "graph/ui/indexed_image.h"
#include "graph/ui/picture_file.h"
#include "widgets/message_dialog.h"

namespace rv {

// The command table has committed the text being typed; a range selection
// stays as it is.
void FileCommands::exportData() {
  const std::optional<std::string> path =
      pathChooser_->exportPath(view_.dialogOwner(), ExportKind::Data, document_.state.dataFolder);
  if (!path) return;
  view_.showOutcome(ExportDataFile(*path, document_.sheet));
}

void FileCommands::exportGraph(const std::function<FrameBuffer()>& picture) {
  const std::optional<std::string> chosen =
      pathChooser_->exportPath(view_.dialogOwner(), ExportKind::Graph, document_.state.dataFolder);
  if (!chosen) return;
  const std::string path = AbsolutePath(HasExtension(*chosen, ".png") ? *chosen : WithExtension(*chosen, ".png"));
  if (const auto reason = WritePictureFile(path, IndexedPngBytes(picture())))
    ShowMessage(QStringLiteral("Error writing export file\n%1\n(%2)")
                    .arg(QFile::decodeName(path.c_str()), QString::fromStdString(*reason)),
                view_.dialogOwner(), MessageKind::Error);
}

}  // namespace rv
