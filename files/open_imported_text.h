#pragma once

#include <string>

#include "files/data_file_session.h"
#include "files/text_import.h"
#include "files/view_updates.h"
#include "regress/equation_list.h"
#include "sheet/document.h"

namespace rv {

// A text file read by the import dialog (File › Open of a .csv, .tsv or
// .txt file, File › Import, a dropped or named text file) becomes the
// document: a new sheet (as File New makes it) holding the reading's values
// and the names its columns gave. It is untitled, so that Save asks for a
// data file's name, but shows the text file's name as its title; its data
// folder is the file's folder. Nothing is modified yet, and the recent
// files stay as they are: they list data files only. The application
// prepares and finishes as for ReadDataFile. It cannot fail: the reading
// was checked when it was made.
ViewUpdates OpenImportedText(const std::string& path, const TextImport& reading, Document& document,
                             DataFileSession& session, EquationList& equations);

// A .csv, .tsv or .txt path: a text the import dialog reads.
bool IsTextDataPath(const std::string& path);

}  // namespace rv
