#pragma once

#include <string>

#include "files/data_file_session.h"
#include "files/file_outcome.h"
#include "regress/equation_list.h"
#include "sheet/document.h"

namespace rv {

// Opens a .csv or .tsv file (Open, a dropped file, a file named at start-up)
// with the reader of the command-line tool. The application prepares and
// finishes as for ReadDataFile.
//
// The whole file is read and checked first: when it cannot be read or holds
// a fault, the outcome's error message is the reader's, naming the line and
// column, and the sheet in memory, its path and its flags stay as they were.
// Otherwise the document becomes a new sheet (as File New makes it) holding
// the file's values. It is untitled, so that Save asks for a data file's
// name, but shows the text file's name as its title; its data folder is the
// file's folder. Nothing is modified yet, and the recent files stay as they
// are: they list data files only.
FileOutcome OpenDelimitedFile(const std::string& path, Document& document, DataFileSession& session,
                              EquationList& equations);

}  // namespace rv
