#pragma once

#include "files/data_file_format.h"
#include "files/data_file_session.h"
#include "sheet/document.h"

namespace rv {

// A data file's contents take the place of the sheet in memory, whether the
// file is opened or a recovery file restored. The file does not hold whether
// the surface is shaded: that choice of the View menu stays as the window had
// it. Returns whether the graph was drawn when the file was saved; the
// session's graphDrawn is then false until the graph is drawn again.
// The document's state (its name, whether it is modified) is the caller's.
bool AdoptLoadedSheet(DataFileContents&& contents, Document& document, DataFileSession& session);

}  // namespace rv
