#include "files/profile_text.h"

#include <cctype>

namespace rv {

namespace {

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

// The section a "[Name]" line opens, nothing for any other line.
std::optional<std::string_view> SectionOfLine(std::string_view line) {
  line = TrimBlanks(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const std::size_t close = line.find(']');
  return TrimBlanks(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

// The key of a "KEY=value" line, nothing for any other line.
std::optional<std::string_view> KeyOfLine(std::string_view line) {
  const std::string_view trimmed = TrimBlanks(line);
  if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[') return std::nullopt;
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return TrimBlanks(line.substr(0, equals));
}

std::string ValueOfLine(std::string_view line) {
  std::string_view value = TrimBlanks(line.substr(line.find('=') + 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return std::string(value);
}

}  // namespace

ProfileText::ProfileText(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines_.emplace_back(line);
    start = end + 1;
  }
}

std::optional<std::string> ProfileText::value(std::string_view section, std::string_view key) const {
  bool inSection = false;
  for (const std::string& line : lines_) {
    if (const auto name = SectionOfLine(line)) {
      inSection = SameName(*name, section);
      continue;
    }
    const auto lineKey = KeyOfLine(line);
    if (inSection && lineKey && SameName(*lineKey, key)) return ValueOfLine(line);
  }
  return std::nullopt;
}

void ProfileText::setValue(std::string_view section, std::string_view key, std::string_view value) {
  const std::string newLine = std::string(key) + "=" + std::string(value);
  bool inSection = false;
  std::optional<std::size_t> sectionEnd;  // one past the section's last key line
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (const auto name = SectionOfLine(lines_[i])) {
      if (sectionEnd && inSection) break;
      inSection = SameName(*name, section);
      if (inSection) sectionEnd = i + 1;
      continue;
    }
    if (!inSection) continue;
    const auto lineKey = KeyOfLine(lines_[i]);
    if (lineKey && SameName(*lineKey, key)) {
      lines_[i] = newLine;
      return;
    }
    if (lineKey) sectionEnd = i + 1;
  }
  if (sectionEnd) {
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*sectionEnd), newLine);
    return;
  }
  if (!lines_.empty() && !TrimBlanks(lines_.back()).empty()) lines_.emplace_back();
  lines_.push_back("[" + std::string(section) + "]");
  lines_.push_back(newLine);
}

std::string ProfileText::text() const {
  std::string text;
  for (const std::string& line : lines_) text += line + "\r\n";
  return text;
}

}  // namespace rv
