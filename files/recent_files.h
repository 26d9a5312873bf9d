#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace rv {

inline constexpr int kRecentFileSlots = 4;
inline constexpr int kFirstRecentFileCommand = 401;  // slot i has command 401 + i

// One recent-file item of the File menu, in menu order (by command).
struct RecentFileMenuItem {
  int command = 0;
  std::string label;  // "&n " and the path, n counting the slots in use up to this one
  bool enabled = true;
  friend bool operator==(const RecentFileMenuItem&, const RecentFileMenuItem&) = default;
};

// The four most recently saved or opened data files, slot 0 the most recent.
// A slot is in use when it holds an absolute path; paths are compared exactly,
// letter case included. A menu item, once made for a slot, stays in the menu;
// it is greyed while its slot is not in use.
class RecentFiles {
 public:
  // From the settings file's FILE1 to FILE4: the values in use fill the
  // slots from slot 0 without gaps, in key order; the others are skipped.
  static RecentFiles FromSettings(const std::array<std::string, kRecentFileSlots>& values);

  // After a successful save or open: the path moves to slot 0. The slot that
  // held the same path (the last one, should several) is dropped, or slot 3
  // when none did; the slots before the dropped one move one place down.
  void remember(const std::string& path);

  // After a failed open: every slot holding exactly this path is emptied and
  // its menu item greyed.
  void forget(const std::string& path);

  const std::string& path(int slot) const { return slots_[static_cast<std::size_t>(slot)]; }
  bool inUse(int slot) const;

  // The path to open for a recent-file command (401 to 404), nothing when the
  // command is not one of them or its slot is not in use.
  std::optional<std::string> pathOfCommand(int command) const;

  // The recent-file items of the File menu. When there is at least one, a
  // separator follows them, then "E&xit\tAlt+F4".
  std::vector<RecentFileMenuItem> menuItems() const;

  // FILE1 to FILE4 for the settings file: the slots in use in slot order,
  // then two spaces for each key left over (read back as empty).
  std::array<std::string, kRecentFileSlots> settingsValues() const;

 private:
  void relabel();

  std::array<std::string, kRecentFileSlots> slots_;
  std::array<std::string, kRecentFileSlots> labels_;  // empty: the slot has no menu item yet
};

}  // namespace rv
