#include "files/data_file_messages.h"

namespace rv {

FileMessage InsufficientDiskSpaceMessage() {
  return {"The data can not be saved due to\ninsufficient disk space.  Select\nanother drive or delete some files.",
          FileMessageKind::Error};
}

FileMessage OutputFileErrorMessage(const std::string& path) {
  return {"Error opening output data file\n" + path + "\nData not saved, try using Save As.", FileMessageKind::Error};
}

FileMessage InputFileErrorMessage(const std::string& path) {
  return {"Error opening input data file\n" + path, FileMessageKind::Error};
}

FileMessage CorruptedFileMessage() {
  return {"The data file has been corrupted\nyou need to reenter your data.", FileMessageKind::Error};
}

FileMessage SaveChangesQuestionMessage(const std::string& title) {
  return {"Do you want to save the changes in '" + title + "'?", FileMessageKind::YesNoCancel};
}

}  // namespace rv
