#include "files/text_fields.h"

#include "sheet/field_number.h"

namespace rv {

std::vector<std::string> SplitFields(std::string_view line, char separator) {
  std::vector<std::string> fields;
  const bool blanks = separator == ' ';
  if (blanks) line = TrimField(line);
  std::string field;
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
        field += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        field += c;
      }
    } else if (c == '"' && TrimField(field).empty()) {
      field.clear();
      quoted = true;
    } else if (c == separator || (blanks && c == '\t')) {
      fields.push_back(std::move(field));
      field.clear();
      if (blanks)
        while (i + 1 < line.size() && (line[i + 1] == ' ' || line[i + 1] == '\t')) ++i;
    } else {
      field += c;
    }
  }
  fields.push_back(std::move(field));
  return fields;
}

}  // namespace rv
