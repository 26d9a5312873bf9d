#include "sheet/missing_values.h"

#include "sheet/field_number.h"

namespace rv {

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameWithoutCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

}  // namespace

std::vector<std::string> DefaultMissingMarkers() { return {"NA", "NaN", "N/A", "-", "--", "null"}; }

bool IsMissingField(std::string_view field, const std::vector<std::string>& markers) {
  field = TrimField(field);
  if (field.empty()) return true;
  for (const std::string& marker : markers)
    if (SameWithoutCase(field, marker)) return true;
  return false;
}

std::string MissingMarkersText(const std::vector<std::string>& markers) {
  std::string text;
  for (const std::string& marker : markers) text += (text.empty() ? "" : ", ") + marker;
  return text;
}

std::vector<std::string> MissingMarkersFromText(std::string_view text) {
  std::vector<std::string> markers;
  while (!text.empty()) {
    const size_t comma = text.find(',');
    const std::string_view marker = TrimField(text.substr(0, comma));
    if (!marker.empty()) markers.emplace_back(marker);
    text.remove_prefix(comma == std::string_view::npos ? text.size() : comma + 1);
  }
  return markers;
}

}  // namespace rv
