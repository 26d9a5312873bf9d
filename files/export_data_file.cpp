#include "files/export_data_file.h"

#include <cstdint>
#include <span>

#include "files/atomic_file.h"
#include "files/delimited_text.h"
#include "files/file_paths.h"

namespace rv {

std::string ExportDataPath(std::string_view path) {
  return DelimiterForPath(path) != '\0' ? std::string(path) : WithExtension(path, ".csv");
}

Outcome<void> ExportDataFile(const std::string& path, const DataSheet& sheet) {
  const std::string target = ExportDataPath(AbsolutePath(path));
  const auto failure = [&target](const std::string& reason) {
    return Message{"Error writing export file\n" + target + "\n(" + reason + ")", MessageKind::Error};
  };
  if (FileNameOfPath(path).empty()) return failure("no file name");
  const std::string text = FormatDelimitedText(sheet.cells, DelimiterForPath(target));
  const Outcome<void> written =
      WriteFileAtomically(target, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  if (!written) return failure(written.message().text);
  return {};
}

}  // namespace rv
