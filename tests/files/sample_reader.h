#pragma once

#include "files/read_data_file.h"
#include "sample_documents.h"

namespace rv::testing {

// A window's state holding the sample document, which opens data files: a
// refused file must leave it as it is.
struct SampleReader {
  Document document = SampleDocument();
  DataFileSession session = SampleSession();
  EquationList equations;
  RecentFiles recent;
  Outcome<ViewUpdates> read(const std::string& path) {
    return ReadDataFile(path, document, session, equations, recent);
  }
  DataFileContents contents() const { return {document, session}; }
};

}  // namespace rv::testing
