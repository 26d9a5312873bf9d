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

FileOutcome ExportDataFile(const std::string& path, const DataSheet& sheet) {
  const std::string target = ExportDataPath(AbsolutePath(path));
  FileOutcome outcome;
  std::optional<std::string> failure;
  if (FileNameOfPath(path).empty()) {
    failure = "no file name";
  } else {
    const std::string text = FormatDelimitedText(sheet.cells, DelimiterForPath(target));
    failure = WriteFileAtomically(target, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  }
  if (failure) {
    outcome.message = Message{"Error writing export file\n" + target + "\n(" + *failure + ")", MessageKind::Error};
    return outcome;
  }
  outcome.succeeded = true;
  return outcome;
}

}  // namespace rv
