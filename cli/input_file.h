#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "cli/command_line.h"
#include "files/data_file_session.h"
#include "sheet/document.h"

namespace rv::cli {

// What an input file holds. A text file gives a document with the defaults
// of a new sheet, and the names its first line gives. A .rvd data file gives
// its document (data, names, formats, options, and the N and K of its last
// search in document.pointCount and document.columnCount) and what it
// stored beyond.
struct InputFile {
  Document document;
  std::optional<DataFileSession> dataFileSession;  // only for a .rvd file

  // The equation that was selected when the .rvd file was saved, if any. Its
  // ordinal goes with document.pointCount, document.columnCount and the
  // stored Maximum Terms and sets in document.options.
  const EquationRecord* storedEquation() const;
};

// Reads FILE: a .rvd data file, or text. "-" is standard input, comma- or
// tab-separated by what its first line holds. Without the text options
// (text_options.h) a text is a .csv or .tsv file whose first line names the
// columns Y, X1 ...; with them, any text, read by them. Throws CliError
// (status 1) with the program's message for a data file that cannot be read
// or is corrupted, and naming the line and column of a fault in a text.
InputFile LoadInputFile(const std::string& path, const Arguments& arguments);

// The document of LoadInputFile.
Document LoadDocument(const std::string& path, const Arguments& arguments);

// Standard input, read whole; CliError (status 1) when it holds more than
// limit bytes, naming the limit and why no input needs more.
std::string ReadStandardInput(std::size_t limit, const std::string& whyLimit);

// How the path is named in a message: quoted, every control character
// written "\xHH"; "standard input" for "-".
std::string InputName(const std::string& path);

}  // namespace rv::cli
