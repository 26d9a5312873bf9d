#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rv {

// The words with which R, pandas, spreadsheets and loggers write a value
// that is missing: NA, NaN, N/A, -, --, null. A field that is one of them
// (in any case) is an empty cell, as an empty field is, never a number.
std::vector<std::string> DefaultMissingMarkers();

// Whether the field, without the blanks around it, is empty or one of the
// markers, compared without regard to case.
bool IsMissingField(std::string_view field, const std::vector<std::string>& markers);

// The markers as a list to show and edit ("NA, NaN, N/A, -, --, null"), and
// back: split at commas, blanks around each dropped, empty ones left out.
std::string MissingMarkersText(const std::vector<std::string>& markers);
std::vector<std::string> MissingMarkersFromText(std::string_view text);

}  // namespace rv
