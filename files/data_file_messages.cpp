#include "files/data_file_messages.h"

namespace rv {

Message InsufficientDiskSpaceMessage() {
  return {"The data can not be saved due to\ninsufficient disk space.  Select\nanother drive or delete some files.",
          MessageKind::Error};
}

Message OutputFileErrorMessage(const std::string& path) {
  return {"Error opening output data file\n" + path + "\nData not saved, try using Save As.", MessageKind::Error};
}

Message InputFileErrorMessage(const std::string& path) {
  return {"Error opening input data file\n" + path, MessageKind::Error};
}

Message CorruptedFileMessage() {
  return {"The data file has been corrupted\nyou need to reenter your data.", MessageKind::Error};
}

Message SaveChangesQuestionMessage(const std::string& title) {
  return {"Do you want to save the changes in '" + title + "'?", MessageKind::YesNoCancel};
}

}  // namespace rv
