#include "sheet/variable_name.h"

#include "sheet/data_sheet.h"
#include "sheet/field_number.h"

namespace rv {

namespace {

bool StartsCharacter(unsigned char byte) { return (byte & 0xC0) != 0x80; }

// The heading without blanks, quotes and control characters, whole.
std::string CleanHeading(std::string_view heading) {
  heading = TrimField(heading);
  if (heading.size() >= 2 && heading.front() == '"' && heading.back() == '"')
    heading = TrimField(heading.substr(1, heading.size() - 2));
  std::string clean;
  for (char c : heading)
    if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) clean += c;
  return clean;
}

}  // namespace

std::string VariableNameFromText(std::string_view heading) {
  const std::string clean = CleanHeading(heading);
  int characters = 0;
  for (size_t i = 0; i < clean.size(); ++i) {
    if (StartsCharacter(static_cast<unsigned char>(clean[i])) && ++characters > kMaxNameLength)
      return clean.substr(0, i);
  }
  return clean;
}

bool VariableNameIsCut(std::string_view heading) {
  return VariableNameFromText(heading).size() < CleanHeading(heading).size();
}

}  // namespace rv
