#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "base/outcome.h"
#include "files/recent_files.h"
#include "regress/ranking_criterion.h"

namespace rv {

inline constexpr const char* kSettingsFileName = "Regrovantis.ini";
inline constexpr const char* kSettingsSection = "Regrovantis";

// How often a modified sheet is kept for recovery, in minutes; 0 never
// (it is still kept when a signal ends the program).
inline constexpr int kDefaultAutoRecoveryMinutes = 5;
inline constexpr int kMaxAutoRecoveryMinutes = 24 * 60;

// The memory Undo may keep, in megabytes. The largest step, a change of
// every row of a full sheet of 100,000 rows, takes 27.2 MB: the least budget
// keeps it.
inline constexpr int kDefaultUndoMegabytes = 256;
inline constexpr int kMinUndoMegabytes = 32;
inline constexpr int kMaxUndoMegabytes = 16384;
constexpr std::size_t UndoBudgetBytes(int megabytes) { return static_cast<std::size_t>(megabytes) << 20; }

// The settings kept between runs, as the settings file holds them.
struct Settings {
  int tooltips = 1;                                       // TOOLTIPS: nonzero shows tooltips
  std::array<std::string, kRecentFileSlots> recentFiles;  // FILE1 to FILE4
  std::string dataFolder;                                 // DATAFOLDER
  std::string paper;      // PAPER: the paper chosen for printouts, empty for the printer's own
  std::string pdfFolder;  // PDFFOLDER: where the last printout to PDF went
  RankingCriterion rankBy = RankingCriterion::RSquared;   // RANKBY: r2, adj-r2, aicc, bic or pred-r2
  int autoRecoveryMinutes = kDefaultAutoRecoveryMinutes;  // AUTORECOVERY
  int undoMegabytes = kDefaultUndoMegabytes;              // UNDOMEMORY
  friend bool operator==(const Settings&, const Settings&) = default;
};

// "Regrovantis.ini" in the user's configuration folder: $XDG_CONFIG_HOME, or
// $HOME/.config when that is unset or not absolute. Pass the environment's
// values (null when unset). Empty when neither names a folder.
std::string SettingsFilePath(const char* xdgConfigHome, const char* home);

// A settings file holds a few short lines; anything larger is not one.
inline constexpr std::size_t kMaxSettingsFileBytes = 64 * 1024;

// More than an outcome: a refused file still gives the default settings,
// which the program starts with while the status bar tells why.
struct SettingsRead {
  Settings settings;
  // Why the file was not read, for the status bar; empty when it was read or
  // does not exist yet.
  std::string refusal;
};

// Read at start-up. A missing file or key gives the default: TOOLTIPS "1",
// the others empty. TOOLTIPS is read as a whole number from its first seven
// characters, like C's atoi (so text that is not a number reads as 0).
// RANKBY that names no criterion gives R squared; AUTORECOVERY is a whole
// number of minutes from 0 to kMaxAutoRecoveryMinutes and UNDOMEMORY of
// megabytes from kMinUndoMegabytes to kMaxUndoMegabytes, anything else gives
// the default. Only
// a regular file of at most kMaxSettingsFileBytes is read: a pipe would keep
// start-up waiting and a device would fill the memory; such a file gives the
// defaults and a refusal.
SettingsRead ReadSettingsFile(const std::string& path);

// Written at exit, atomically, making the folder when it is missing: section
// "Regrovantis" with the program's keys and nothing else, so whatever else
// the file held (garbage, megabytes) does not survive the run.
// TOOLTIPS as "%d", FILE1 to FILE4 as given (use RecentFiles::settingsValues,
// which writes two spaces for an unused key), DATAFOLDER, RANKBY,
// AUTORECOVERY and UNDOMEMORY as "%d", PAPER and PDFFOLDER (the last two left out while
// empty). The message says why it could not be written (the system's
// reason); the program goes on regardless.
Outcome<void> WriteSettingsFile(const std::string& path, const Settings& settings);

// The data folder at start-up: the stored folder when it still is a folder,
// else the program's own folder.
std::string DataFolderAtStartUp(const std::string& stored, const std::string& programFolder);

}  // namespace rv
