#pragma once

#include <optional>
#include <string>

#include "files/data_file_session.h"
#include "sheet/document.h"

namespace rv::cli {

// What an input file holds. A .csv or .tsv file gives a document with the
// defaults of a new sheet. A .rvd data file gives its document (data, names,
// formats, options, and the N and K of its last search in
// document.pointCount and document.columnCount) and what it stored beyond.
struct InputFile {
  Document document;
  std::optional<DataFileSession> dataFileSession;  // only for a .rvd file

  // The equation that was selected when the .rvd file was saved, if any. Its
  // ordinal goes with document.pointCount, document.columnCount and the
  // stored Maximum Terms and sets in document.options.
  const EquationRecord* storedEquation() const;
};

// Reads a .rvd, .csv or .tsv file. Throws CliError (status 1) with the
// program's message for a data file that cannot be read or is corrupted, and
// naming the line and column of a fault in a text file.
InputFile LoadInputFile(const std::string& path);

// The document of LoadInputFile.
Document LoadDocument(const std::string& path);

}  // namespace rv::cli
