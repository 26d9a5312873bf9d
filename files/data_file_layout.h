#pragma once

#include <cstddef>
#include <cstdint>

#include "sheet/equation_set.h"

// Where each field of a .rvd data file lies. All integers are 32-bit and
// doubles IEEE 754, both little-endian; texts are NUL-terminated inside their
// fixed width. Every offset follows from the one before and its size, which
// the static_asserts below check.
namespace rv::data_file {

inline constexpr std::size_t kFileSize = 16370;
inline constexpr std::uint32_t kMagicNumber = 0x01311947;

inline constexpr std::size_t kColumnSlotCount = 18;
inline constexpr std::size_t kNameWidth = 12;
inline constexpr std::size_t kBoundaryCount = 20;     // only the first 18 are used
inline constexpr std::size_t kCellBlockSize = 14400;  // 99 rows of 17 doubles, then filler
inline constexpr std::size_t kRecordSize = 40;
inline constexpr std::size_t kRSquaredTextWidth = 12;
inline constexpr std::size_t kOrdinalTextWidth = 8;
inline constexpr std::size_t kEquationTextWidth = 128;
inline constexpr std::size_t kGraphVariableRecordCount = 16;
inline constexpr std::size_t kGraphVariableRecordSize = 20;
inline constexpr std::size_t kGraphVariableTextWidth = 16;
inline constexpr std::size_t kTitleWidth = 64;
inline constexpr std::size_t kTrailingZeroCount = 256;

inline constexpr std::size_t kHeaderText = 0;  // "Regrovantis Data\r\n"
inline constexpr std::size_t kHeaderTextSize = 18;
inline constexpr std::size_t kBanner = 18;  // our banner line, ending with CR LF
inline constexpr std::size_t kBannerSize = 47;
inline constexpr std::size_t kEndOfText = 65;  // 0x1A
inline constexpr std::size_t kMagic = 66;
inline constexpr std::size_t kSkippedWord = 70;  // 0
inline constexpr std::size_t kAutoUpdate = 74;
inline constexpr std::size_t kNames = 78;
inline constexpr std::size_t kGraphMinimum = 294;
inline constexpr std::size_t kGraphMaximum = 438;
inline constexpr std::size_t kGraphConstant = 582;
inline constexpr std::size_t kColumnBoundaries = 726;
inline constexpr std::size_t kColumnFormats = 806;
inline constexpr std::size_t kCells = 950;
inline constexpr std::size_t kSelectedIndex = 15350;
inline constexpr std::size_t kGraphedIndex = 15354;
inline constexpr std::size_t kMaxTerms = 15358;
inline constexpr std::size_t kColumnCount = 15362;
inline constexpr std::size_t kPointCount = 15366;
inline constexpr std::size_t kEquationRecord = 15370;
inline constexpr std::size_t kEquationText = 15410;
inline constexpr std::size_t kSetFlags = 15538;
inline constexpr std::size_t kReservedWords = 15562;  // three words, 0
inline constexpr std::size_t kGraphDrawn = 15574;
inline constexpr std::size_t kSegments = 15578;
inline constexpr std::size_t kColorRow = 15590;
inline constexpr std::size_t kGraphColors = 15594;
inline constexpr std::size_t kGraphVariableCount = 15658;
inline constexpr std::size_t kGraphVariables = 15662;
inline constexpr std::size_t kTitle1 = 15982;
inline constexpr std::size_t kTitle2 = 16046;
inline constexpr std::size_t kMoveSelection = 16110;
inline constexpr std::size_t kTrailingZeros = 16114;

// Offsets inside the stored equation record.
inline constexpr std::size_t kRecordRSquared = 0;
inline constexpr std::size_t kRecordRSquaredText = 8;
inline constexpr std::size_t kRecordOrdinalText = 20;
inline constexpr std::size_t kRecordOrdinal = 28;
inline constexpr std::size_t kRecordTextReference = 32;  // a memory reference; 0 in our files
inline constexpr std::size_t kRecordTextLength = 36;

// Offsets inside one graph-variable record.
inline constexpr std::size_t kGraphVariableSelected = 0;
inline constexpr std::size_t kGraphVariableText = 4;

static_assert(kBanner == kHeaderText + kHeaderTextSize);
static_assert(kEndOfText == kBanner + kBannerSize);
static_assert(kMagic == kEndOfText + 1);
static_assert(kSkippedWord == kMagic + 4 && kAutoUpdate == kSkippedWord + 4 && kNames == kAutoUpdate + 4);
static_assert(kGraphMinimum == kNames + kColumnSlotCount * kNameWidth);
static_assert(kGraphMaximum == kGraphMinimum + kColumnSlotCount * 8);
static_assert(kGraphConstant == kGraphMaximum + kColumnSlotCount * 8);
static_assert(kColumnBoundaries == kGraphConstant + kColumnSlotCount * 8);
static_assert(kColumnFormats == kColumnBoundaries + kBoundaryCount * 4);
static_assert(kCells == kColumnFormats + kColumnSlotCount * 8);
static_assert(kSelectedIndex == kCells + kCellBlockSize);
static_assert(kGraphedIndex == kSelectedIndex + 4 && kMaxTerms == kGraphedIndex + 4);
static_assert(kColumnCount == kMaxTerms + 4 && kPointCount == kColumnCount + 4);
static_assert(kEquationRecord == kPointCount + 4);
static_assert(kEquationText == kEquationRecord + kRecordSize);
static_assert(kSetFlags == kEquationText + kEquationTextWidth);
static_assert(kReservedWords == kSetFlags + 6 * 4);
static_assert(kGraphDrawn == kReservedWords + 3 * 4);
static_assert(kSegments == kGraphDrawn + 4 && kColorRow == kSegments + 3 * 4);
static_assert(kGraphColors == kColorRow + 4);
static_assert(kGraphVariableCount == kGraphColors + 16 * 4);
static_assert(kGraphVariables == kGraphVariableCount + 4);
static_assert(kTitle1 == kGraphVariables + kGraphVariableRecordCount * kGraphVariableRecordSize);
static_assert(kTitle2 == kTitle1 + kTitleWidth && kMoveSelection == kTitle2 + kTitleWidth);
static_assert(kTrailingZeros == kMoveSelection + 4);
static_assert(kFileSize == kTrailingZeros + kTrailingZeroCount);
static_assert(kRecordTextLength + 4 == kRecordSize);
static_assert(kGraphVariableText + kGraphVariableTextWidth == kGraphVariableRecordSize);

// The six set flags are words in set order, the first set's at kSetFlags.
constexpr std::size_t SetFlagOffset(EquationSet set) {
  return kSetFlags + static_cast<std::size_t>(EquationSetNumber(set) - 1) * 4;
}

}  // namespace rv::data_file
