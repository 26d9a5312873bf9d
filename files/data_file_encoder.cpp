#include <algorithm>
#include <limits>
#include <string_view>

#include "files/band_section.h"
#include "files/byte_fields.h"
#include "files/data_file_extension.h"
#include "files/data_file_format.h"
#include "files/file_text.h"
#include "files/options_extension.h"

namespace rv {

namespace df = data_file;

namespace {

constexpr std::string_view kHeaderLine = "Regrovantis Data\r\n";
constexpr std::string_view kBannerLine = "Saved by Regrovantis, empirical curve fitting\r\n";
static_assert(kHeaderLine.size() == df::kHeaderTextSize);
static_assert(kBannerLine.size() == df::kBannerSize);

void PutBytes(std::span<std::uint8_t> bytes, std::size_t offset, std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) bytes[offset + i] = static_cast<std::uint8_t>(text[i]);
}

std::int32_t ClampToInt32(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

void PutSheet(std::span<std::uint8_t> bytes, const DataSheet& sheet) {
  PutUint32(bytes, df::kAutoUpdate, sheet.autoUpdate ? 1 : 0);
  for (std::size_t c = 0; c < df::kColumnSlotCount; ++c) {
    PutTextField(bytes, df::kNames + c * df::kNameWidth, df::kNameWidth, sheet.names[c], kMaxNameLength);
    PutDouble(bytes, df::kGraphMinimum + c * 8, sheet.graphMinimum[c]);
    PutDouble(bytes, df::kGraphMaximum + c * 8, sheet.graphMaximum[c]);
    PutDouble(bytes, df::kGraphConstant + c * 8, sheet.graphConstant[c]);
    PutInt32(bytes, df::kColumnBoundaries + c * 4, sheet.columnBoundaries[c]);
    PutUint32(bytes, df::kColumnFormats + c * 8, static_cast<std::uint32_t>(sheet.formats[c].kind));
    PutUint32(bytes, df::kColumnFormats + c * 8 + 4, sheet.formats[c].places);
  }
  for (std::size_t r = 0; r < kSheetRows; ++r)
    for (std::size_t c = 0; c < kSheetColumns; ++c)
      PutDouble(bytes, df::kCells + (r * kSheetColumns + c) * 8, sheet.cells[r][c]);
}

void PutEquation(std::span<std::uint8_t> bytes, const EquationRecord& record) {
  const std::size_t base = df::kEquationRecord;
  PutDouble(bytes, base + df::kRecordRSquared, record.rSquared);
  PutTextField(bytes, base + df::kRecordRSquaredText, df::kRSquaredTextWidth, record.rSquaredText,
               df::kRSquaredTextWidth - 1);
  PutTextField(bytes, base + df::kRecordOrdinalText, df::kOrdinalTextWidth, record.ordinalText,
               df::kOrdinalTextWidth - 1);
  PutInt32(bytes, base + df::kRecordOrdinal, ClampToInt32(record.ordinal));
  PutUint32(bytes, base + df::kRecordTextReference, 0);
  const std::size_t length =
      PutTextField(bytes, df::kEquationText, df::kEquationTextWidth, record.text, df::kEquationTextWidth - 1);
  PutInt32(bytes, base + df::kRecordTextLength, static_cast<std::int32_t>(length));
}

void PutGraphVariables(std::span<std::uint8_t> bytes, const DataFileSession& session) {
  const std::size_t count = session.selectedIndex == session.graphedIndex
                                ? std::min(session.graphVariables.size(), df::kGraphVariableRecordCount)
                                : 0;
  PutUint32(bytes, df::kGraphVariableCount, static_cast<std::uint32_t>(count));
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t record = df::kGraphVariables + i * df::kGraphVariableRecordSize;
    const GraphVariableEntry& entry = session.graphVariables[i];
    PutUint32(bytes, record + df::kGraphVariableSelected, entry.selected ? 1 : 0);
    PutTextField(bytes, record + df::kGraphVariableText, df::kGraphVariableTextWidth, entry.text,
                 df::kGraphVariableTextWidth - 1);
  }
}

void PutOptions(std::span<std::uint8_t> bytes, const DocumentOptions& options) {
  PutInt32(bytes, df::kMaxTerms, options.maxTerms);
  for (EquationSet set : kEquationSets) PutUint32(bytes, df::SetFlagOffset(set), options.setEnabled[set] ? 1 : 0);
  for (std::size_t i = 0; i < options.segments.size(); ++i) PutInt32(bytes, df::kSegments + i * 4, options.segments[i]);
  PutInt32(bytes, df::kColorRow, options.colorRow);
  for (std::size_t i = 0; i < kGraphColorElementCount; ++i)
    PutInt32(bytes, df::kGraphColors + i * 4, options.graphColors[i]);
  PutTextField(bytes, df::kTitle1, df::kTitleWidth, options.title1, kMaxTitleLength);
  PutTextField(bytes, df::kTitle2, df::kTitleWidth, options.title2, kMaxTitleLength);
  PutInt32(bytes, df::kMoveSelection, options.moveSelectionAfterEnter);
}

}  // namespace

DataFileBytes EncodeDataFile(const Document& document, const DataFileSession& session) {
  DataFileBytes image(df::kFileSize);
  const std::span<std::uint8_t> bytes(image);
  PutBytes(bytes, df::kHeaderText, kHeaderLine);
  PutBytes(bytes, df::kBanner, kBannerLine);
  bytes[df::kEndOfText] = 0x1A;
  PutUint32(bytes, df::kMagic, df::kMagicNumber);
  PutSheet(bytes, document.sheet);
  PutInt32(bytes, df::kSelectedIndex, session.selectedIndex);
  PutInt32(bytes, df::kGraphedIndex, session.graphedIndex);
  PutInt32(bytes, df::kColumnCount, document.columnCount);
  PutInt32(bytes, df::kPointCount, document.pointCount);
  PutEquation(bytes, session.savedEquation);
  PutUint32(bytes, df::kGraphDrawn, session.graphDrawn ? 1 : 0);
  PutGraphVariables(bytes, session);
  PutOptions(bytes, document.options);
  df::AppendExtension(image, document.sheet.cells);
  df::AppendOptionsExtension(image, document.options);
  df::AppendBandSection(image, document.options.bands);
  return image;
}

}  // namespace rv
