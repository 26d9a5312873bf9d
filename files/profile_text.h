#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rv {

// The text of a profile (INI) file: "[Section]" lines and "KEY=value" lines.
// Section and key names match without regard to letter case; a value loses
// its leading and trailing blanks and one pair of surrounding quotes, so a
// value of blanks reads as empty. Lines that are neither (comments, blank
// lines) are kept as they are when the text is written back.
class ProfileText {
 public:
  explicit ProfileText(std::string_view text);

  // The value of the first such key in the first such section.
  std::optional<std::string> value(std::string_view section, std::string_view key) const;

  // Replaces the key's line, or adds it at the end of its section, or adds
  // the section at the end of the text.
  void setValue(std::string_view section, std::string_view key, std::string_view value);

  // The whole text with CR LF line ends.
  std::string text() const;

 private:
  std::vector<std::string> lines_;
};

}  // namespace rv
