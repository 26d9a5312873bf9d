#include "files/recent_files.h"

#include "files/file_paths.h"

namespace rv {

namespace {

// A '&' in a menu label marks the next character as the item's key, so the
// path's own ampersands are doubled.
std::string MenuText(const std::string& path) {
  std::string text;
  for (char c : path) {
    if (c == '&') text += '&';
    text += c;
  }
  return text;
}

}  // namespace

RecentFiles RecentFiles::FromSettings(const std::array<std::string, kRecentFileSlots>& values) {
  RecentFiles files;
  std::size_t next = 0;
  for (const std::string& value : values)
    if (IsAbsolutePath(value)) files.slots_[next++] = value;
  files.relabel();
  return files;
}

bool RecentFiles::inUse(int slot) const { return IsAbsolutePath(path(slot)); }

void RecentFiles::remember(const std::string& path) {
  int dropped = kRecentFileSlots - 1;
  for (int i = 0; i < kRecentFileSlots; ++i)
    if (slots_[static_cast<std::size_t>(i)] == path) dropped = i;
  for (int i = dropped; i > 0; --i) slots_[static_cast<std::size_t>(i)] = slots_[static_cast<std::size_t>(i - 1)];
  slots_[0] = path;
  relabel();
}

void RecentFiles::forget(const std::string& path) {
  for (std::string& slot : slots_)
    if (slot == path) slot.clear();
}

std::optional<std::string> RecentFiles::pathOfCommand(int command) const {
  const int slot = command - kFirstRecentFileCommand;
  if (slot < 0 || slot >= kRecentFileSlots || !inUse(slot)) return std::nullopt;
  return path(slot);
}

std::vector<RecentFileMenuItem> RecentFiles::menuItems() const {
  std::vector<RecentFileMenuItem> items;
  for (int i = 0; i < kRecentFileSlots; ++i)
    if (!labels_[static_cast<std::size_t>(i)].empty())
      items.push_back({kFirstRecentFileCommand + i, labels_[static_cast<std::size_t>(i)], inUse(i)});
  return items;
}

std::array<std::string, kRecentFileSlots> RecentFiles::settingsValues() const {
  std::array<std::string, kRecentFileSlots> values;
  values.fill("  ");
  std::size_t next = 0;
  for (int i = 0; i < kRecentFileSlots; ++i)
    if (inUse(i)) values[next++] = path(i);
  return values;
}

void RecentFiles::relabel() {
  int number = 0;
  for (int i = 0; i < kRecentFileSlots; ++i)
    if (inUse(i)) labels_[static_cast<std::size_t>(i)] = "&" + std::to_string(++number) + " " + MenuText(path(i));
}

}  // namespace rv
