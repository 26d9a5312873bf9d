#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "files/data_file_layout.h"
#include "files/data_file_session.h"
#include "sheet/document.h"

namespace rv {

using DataFileBytes = std::vector<std::uint8_t>;

// The bytes of a data file for this document: the 16,370-byte block, and
// behind it the extension of a sheet with values past its 99th row
// (data_file_extension.h). The session's record
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

// Reads the block and the extension behind it. Nothing when the image is
// shorter than the block, its magic number is wrong, or the bytes behind the
// block are not a sound extension.
std::optional<DataFileContents> DecodeDataFile(std::span<const std::uint8_t> bytes);

}  // namespace rv
