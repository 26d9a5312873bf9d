#include "files/settings_file.h"

#include <filesystem>

#include "files/atomic_file.h"
#include "files/file_paths.h"
#include "files/profile_text.h"
#include "files/regular_file.h"

namespace rv {

namespace {

constexpr std::size_t kTooltipsDigits = 7;

std::string FileKey(std::size_t index) { return "FILE" + std::to_string(index + 1); }

// Optional sign, then the leading digits; anything else ends the number.
int LeadingInteger(std::string_view text) {
  text = text.substr(0, kTooltipsDigits);
  std::size_t i = 0;
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  int value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) value = value * 10 + (text[i] - '0');
  return negative ? -value : value;
}

std::string Refusal(const FileRead& read) {
  switch (read.failure) {
    case FileReadFailure::None:
    case FileReadFailure::CannotOpen: return {};
    case FileReadFailure::NotRegular: return "Settings file not read: it is " + read.reason;
    case FileReadFailure::TooLarge:
      return "Settings file not read: it is larger than " + SizeLimitText(kMaxSettingsFileBytes);
    case FileReadFailure::Unreadable: return "Settings file not read: " + read.reason;
  }
  return {};
}

// The printing keys: the paper of Page Setup and the last PDF folder.
void ReadPrintingKeys(const ProfileText& profile, Settings& settings) {
  settings.paper = profile.value(kSettingsSection, "PAPER").value_or("");
  settings.pdfFolder = profile.value(kSettingsSection, "PDFFOLDER").value_or("");
}

void WritePrintingKeys(ProfileText& profile, const Settings& settings) {
  if (!settings.paper.empty()) profile.setValue(kSettingsSection, "PAPER", settings.paper);
  if (!settings.pdfFolder.empty()) profile.setValue(kSettingsSection, "PDFFOLDER", settings.pdfFolder);
}

// A key that holds a whole number within a range (the autosave interval, the
// memory of Undo); anything else leaves the default.
void ReadWholeNumber(const ProfileText& profile, const char* key, int low, int high, int& number) {
  const auto text = profile.value(kSettingsSection, key);
  if (!text || text->empty() || text->size() > 5 || text->find_first_not_of("0123456789") != std::string::npos) return;
  const int value = std::stoi(*text);
  if (value >= low && value <= high) number = value;
}

void ReadMemoryAndRecovery(const ProfileText& profile, Settings& settings) {
  ReadWholeNumber(profile, "AUTORECOVERY", 0, kMaxAutoRecoveryMinutes, settings.autoRecoveryMinutes);
  ReadWholeNumber(profile, "UNDOMEMORY", kMinUndoMegabytes, kMaxUndoMegabytes, settings.undoMegabytes);
}

void WriteMemoryAndRecovery(ProfileText& profile, const Settings& settings) {
  profile.setValue(kSettingsSection, "AUTORECOVERY", std::to_string(settings.autoRecoveryMinutes));
  profile.setValue(kSettingsSection, "UNDOMEMORY", std::to_string(settings.undoMegabytes));
}

}  // namespace

std::string SettingsFilePath(const char* xdgConfigHome, const char* home) {
  if (xdgConfigHome && IsAbsolutePath(xdgConfigHome)) return std::string(xdgConfigHome) + "/" + kSettingsFileName;
  if (home && IsAbsolutePath(home)) return std::string(home) + "/.config/" + kSettingsFileName;
  return {};
}

SettingsRead ReadSettingsFile(const std::string& path) {
  SettingsRead result;
  if (path.empty()) return result;
  const FileRead read = ReadRegularFile(path, kMaxSettingsFileBytes);
  result.refusal = Refusal(read);
  Settings& settings = result.settings;
  const ProfileText profile(read.bytes);
  if (const auto tooltips = profile.value(kSettingsSection, "TOOLTIPS")) settings.tooltips = LeadingInteger(*tooltips);
  for (std::size_t i = 0; i < settings.recentFiles.size(); ++i)
    settings.recentFiles[i] = profile.value(kSettingsSection, FileKey(i)).value_or("");
  settings.dataFolder = profile.value(kSettingsSection, "DATAFOLDER").value_or("");
  if (const auto rankBy = profile.value(kSettingsSection, "RANKBY"))
    settings.rankBy = RankingCriterionFromKey(*rankBy).value_or(RankingCriterion::RSquared);
  ReadMemoryAndRecovery(profile, settings);
  ReadPrintingKeys(profile, settings);
  return result;
}

Outcome<void> WriteSettingsFile(const std::string& path, const Settings& settings) {
  if (path.empty()) return Message{"no settings file: neither $XDG_CONFIG_HOME nor $HOME is set", MessageKind::Error};
  std::error_code error;
  const std::string folder = FolderOfPath(path);
  if (!folder.empty()) std::filesystem::create_directories(folder, error);
  ProfileText profile("");
  profile.setValue(kSettingsSection, "TOOLTIPS", std::to_string(settings.tooltips));
  for (std::size_t i = 0; i < settings.recentFiles.size(); ++i)
    profile.setValue(kSettingsSection, FileKey(i), settings.recentFiles[i]);
  profile.setValue(kSettingsSection, "DATAFOLDER", settings.dataFolder);
  profile.setValue(kSettingsSection, "RANKBY", RankingCriterionKey(settings.rankBy));
  WriteMemoryAndRecovery(profile, settings);
  WritePrintingKeys(profile, settings);
  const std::string text = profile.text();
  return WriteFileAtomically(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

std::string DataFolderAtStartUp(const std::string& stored, const std::string& programFolder) {
  std::error_code error;
  return !stored.empty() && std::filesystem::is_directory(stored, error) ? stored : programFolder;
}

}  // namespace rv
