#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "files/data_file_layout.h"
#include "files/data_file_session.h"
#include "sheet/document.h"

namespace rv {

using DataFileBytes = std::array<std::uint8_t, data_file::kFileSize>;

// The 16,370 bytes of a data file for this document. The session's record
// and texts are cut to their fields; the graph-variable records hold the
// Graph tab's entries only when the selected equation is also the graphed
// one, else all sixteen are empty. Shade Surface and the document state are
// not stored.
DataFileBytes EncodeDataFile(const Document& document, const DataFileSession& session);

// What a data file holds: the document (its state left at the defaults) and
// the session, both exactly as stored except where a field held something the
// program never writes, which is clamped or reset (see the decoder).
struct DataFileContents {
  Document document;
  DataFileSession session;
};

// Reads the first 16,370 bytes; bytes beyond them are ignored. Nothing when
// the image is shorter or its magic number is wrong.
std::optional<DataFileContents> DecodeDataFile(std::span<const std::uint8_t> bytes);

}  // namespace rv
