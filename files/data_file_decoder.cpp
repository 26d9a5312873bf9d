#include <algorithm>
#include <cmath>
#include <utility>

#include "files/band_section.h"
#include "files/byte_fields.h"
#include "files/data_file_extension.h"
#include "files/data_file_format.h"
#include "files/file_text.h"
#include "files/options_extension.h"

// The decoder trusts no field: each one is brought back into the range the
// program writes, so that whatever a file holds, the document read from it is
// one the program could have made.

namespace rv {

namespace df = data_file;

namespace {

using Bytes = std::span<const std::uint8_t>;

constexpr std::int32_t kMaxColorSelection = 16;
constexpr std::int32_t kMaxMoveSelection = 4;
constexpr std::int32_t kMaxListIndex = EquationList::kCapacity - 1;

double FiniteOrEmpty(double value) { return std::isfinite(value) ? value : EmptyValue; }

// Each column keeps its stored width when it is between 1 and kMaxColumnWidth
// pixels and gets the default width otherwise; boundary 0 is always -1.
void GetColumnBoundaries(Bytes bytes, DataSheet& sheet) {
  sheet.columnBoundaries[0] = -1;
  for (std::size_t c = 0; c + 1 < df::kColumnSlotCount; ++c) {
    const std::int64_t width = std::int64_t{GetInt32(bytes, df::kColumnBoundaries + (c + 1) * 4)} -
                               GetInt32(bytes, df::kColumnBoundaries + c * 4);
    const bool usable = width >= 1 && width <= kMaxColumnWidth;
    sheet.columnBoundaries[c + 1] =
        sheet.columnBoundaries[c] + (usable ? static_cast<std::int32_t>(width) : kDefaultColumnWidth);
  }
}

ColumnFormat GetColumnFormat(Bytes bytes, std::size_t column) {
  const std::uint32_t kind = GetUint32(bytes, df::kColumnFormats + column * 8);
  const std::uint32_t places = GetUint32(bytes, df::kColumnFormats + column * 8 + 4);
  if (kind > static_cast<std::uint32_t>(FormatKind::Scientific)) return ColumnFormat{};
  return ColumnFormat{static_cast<FormatKind>(kind), std::min<std::uint32_t>(places, kMaxDecimalPlaces)};
}

void GetSheet(Bytes bytes, DataSheet& sheet) {
  sheet.autoUpdate = GetUint32(bytes, df::kAutoUpdate) != 0;
  for (std::size_t c = 0; c < df::kColumnSlotCount; ++c) {
    sheet.names[c] = GetTextField(bytes, df::kNames + c * df::kNameWidth, df::kNameWidth, kMaxNameLength);
    sheet.graphMinimum[c] = FiniteOrEmpty(GetDouble(bytes, df::kGraphMinimum + c * 8));
    sheet.graphMaximum[c] = FiniteOrEmpty(GetDouble(bytes, df::kGraphMaximum + c * 8));
    sheet.graphConstant[c] = FiniteOrEmpty(GetDouble(bytes, df::kGraphConstant + c * 8));
    sheet.formats[c] = GetColumnFormat(bytes, c);
  }
  GetColumnBoundaries(bytes, sheet);
  for (std::size_t r = 0; r < kSheetRows; ++r)
    for (std::size_t c = 0; c < kSheetColumns; ++c)
      sheet.cells[r][c] = FiniteOrEmpty(GetDouble(bytes, df::kCells + (r * kSheetColumns + c) * 8));
}

std::int32_t InRangeOr(std::int32_t value, std::int32_t low, std::int32_t high, std::int32_t fallback) {
  return value >= low && value <= high ? value : fallback;
}

void GetOptions(Bytes bytes, DocumentOptions& options) {
  const DocumentOptions defaults;
  options.maxTerms = std::clamp(GetInt32(bytes, df::kMaxTerms), kMinMaxTerms, kMaxMaxTerms);
  for (EquationSet set : kEquationSets) options.setEnabled[set] = GetUint32(bytes, df::SetFlagOffset(set)) != 0;
  for (std::size_t i = 0; i < options.segments.size(); ++i)
    options.segments[i] = std::clamp(GetInt32(bytes, df::kSegments + i * 4), kMinSegments, kMaxSegments);
  options.colorRow = InRangeOr(GetInt32(bytes, df::kColorRow), 0, kMaxColorSelection, defaults.colorRow);
  for (std::size_t i = 0; i < kGraphColorElementCount; ++i)
    options.graphColors[i] =
        InRangeOr(GetInt32(bytes, df::kGraphColors + i * 4), 0, kMaxColorSelection, defaults.graphColors[i]);
  // The background always has a colour.
  if (options.graphColors[kBackground] == kNoColor)
    options.graphColors[kBackground] = defaults.graphColors[kBackground];
  options.title1 = GetTextField(bytes, df::kTitle1, df::kTitleWidth, kMaxTitleLength);
  options.title2 = GetTextField(bytes, df::kTitle2, df::kTitleWidth, kMaxTitleLength);
  options.moveSelectionAfterEnter =
      InRangeOr(GetInt32(bytes, df::kMoveSelection), 0, kMaxMoveSelection, defaults.moveSelectionAfterEnter);
}

// An equation needs an ordinal of at least 1 and a positive, finite R
// squared; anything else is an empty save area. Both short texts are made
// anew from their numbers, so an ordinal of eight digits shows whole.
EquationRecord GetEquation(Bytes bytes) {
  const std::size_t base = df::kEquationRecord;
  const double rSquared = GetDouble(bytes, base + df::kRecordRSquared);
  const std::int32_t ordinal = GetInt32(bytes, base + df::kRecordOrdinal);
  if (ordinal < 1 || !std::isfinite(rSquared) || !(rSquared > 0.0)) return EquationRecord{};
  return MakeEquationRecord(rSquared, ordinal,
                            GetTextField(bytes, df::kEquationText, df::kEquationTextWidth, df::kEquationTextWidth - 1));
}

// Records whose text does not begin with a tab are skipped; the others keep
// their own selected flags.
std::vector<GraphVariableEntry> GetGraphVariables(Bytes bytes) {
  std::vector<GraphVariableEntry> entries;
  for (std::size_t i = 0; i < df::kGraphVariableRecordCount; ++i) {
    const std::size_t record = df::kGraphVariables + i * df::kGraphVariableRecordSize;
    std::string text = GetTextField(bytes, record + df::kGraphVariableText, df::kGraphVariableTextWidth,
                                    df::kGraphVariableTextWidth - 1);
    if (text.empty() || text[0] != '\t') continue;
    entries.push_back({std::move(text), GetUint32(bytes, record + df::kGraphVariableSelected) != 0});
  }
  return entries;
}

void GetSession(Bytes bytes, DataFileSession& session) {
  session.savedEquation = GetEquation(bytes);
  const bool hasEquation = session.savedEquation.ordinal != 0;
  session.selectedIndex = hasEquation ? InRangeOr(GetInt32(bytes, df::kSelectedIndex), 0, kMaxListIndex, -1) : -1;
  // -1 and -2 both mean that no graph was built.
  session.graphedIndex = InRangeOr(GetInt32(bytes, df::kGraphedIndex), -2, kMaxListIndex, -1);
  session.graphDrawn = GetUint32(bytes, df::kGraphDrawn) != 0;
  session.graphVariables = GetGraphVariables(bytes);
}

}  // namespace

std::optional<DataFileContents> DecodeDataFile(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < df::kFileSize) return std::nullopt;
  const Bytes extension = bytes.subspan(df::kFileSize);
  bytes = bytes.first(df::kFileSize);
  if (GetUint32(bytes, df::kMagic) != df::kMagicNumber) return std::nullopt;
  DataFileContents contents;
  Document& document = contents.document;
  GetSheet(bytes, document.sheet);
  // Behind the block: the rows' extension, if any, then the sections of the
  // options a document of default settings does not have, each if any: the
  // weighting's, then the bands'.
  const bool optionsFollow =
      extension.empty() || df::StartsOptionsExtension(extension) || df::StartsBandSection(extension);
  const std::size_t rowsSize = optionsFollow ? 0 : df::StoredExtensionSize(extension);
  if (rowsSize > extension.size()) return std::nullopt;
  if (rowsSize > 0 && !df::ReadExtension(extension.first(rowsSize), document.sheet.cells)) return std::nullopt;
  GetOptions(bytes, document.options);
  Bytes sections = extension.subspan(rowsSize);
  if (df::StartsOptionsExtension(sections)) {
    if (sections.size() < df::kOptionsSize) return std::nullopt;
    if (!df::ReadOptionsExtension(sections.first(df::kOptionsSize), document.options)) return std::nullopt;
    sections = sections.subspan(df::kOptionsSize);
  }
  if (!sections.empty() && !df::ReadBandSection(sections, document.options.bands)) return std::nullopt;
  document.columnCount = std::clamp(GetInt32(bytes, df::kColumnCount), 0, kSheetColumns - 1);
  document.pointCount = std::clamp(GetInt32(bytes, df::kPointCount), 0, document.sheet.cells.rowCount());
  GetSession(bytes, contents.session);
  return contents;
}

}  // namespace rv
