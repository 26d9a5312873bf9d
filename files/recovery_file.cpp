#include "files/recovery_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <charconv>
#include <filesystem>

#include "files/atomic_file.h"
#include "files/data_file_format.h"
#include "files/data_file_io.h"
#include "files/file_paths.h"
#include "files/loaded_sheet.h"
#include "files/named_document.h"
#include "files/regular_file.h"
#include "files/stored_equation.h"

namespace rv {

namespace {

constexpr std::size_t kMaxPathNoteBytes = 4096;
constexpr std::string_view kPrefix = "recovery-";
constexpr std::string_view kDataExtension = ".rvd";

std::string BaseName(const std::string& folder, RecoverySlot slot) {
  return folder + "/" + std::string(kPrefix) + std::to_string(slot.processId) + "-" + std::to_string(slot.window);
}
std::string DataPath(const std::string& folder, RecoverySlot slot) { return BaseName(folder, slot) + ".rvd"; }
std::string NotePath(const std::string& folder, RecoverySlot slot) { return BaseName(folder, slot) + ".path"; }

std::span<const std::uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// The path the kept sheet was last saved to; empty for an untitled sheet.
std::string SavedPath(const std::string& folder, RecoverySlot slot) {
  return ReadRegularFile(NotePath(folder, slot), kMaxPathNoteBytes).bytes;
}

bool ParseNumber(std::string_view text, int& number) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  return error == std::errc() && end == text.data() + text.size() && number > 0;
}

// "recovery-PID-N.rvd" gives its slot; any other name gives nothing.
std::optional<RecoverySlot> SlotOfName(std::string_view name) {
  if (!name.starts_with(kPrefix) || !name.ends_with(kDataExtension)) return std::nullopt;
  name = name.substr(kPrefix.size(), name.size() - kPrefix.size() - kDataExtension.size());
  const std::size_t dash = name.find('-');
  RecoverySlot slot;
  if (dash == std::string_view::npos || !ParseNumber(name.substr(0, dash), slot.processId) ||
      !ParseNumber(name.substr(dash + 1), slot.window))
    return std::nullopt;
  return slot;
}

}  // namespace

std::string RecoveryFolder(const char* xdgStateHome, const char* home) {
  if (xdgStateHome && IsAbsolutePath(xdgStateHome)) return std::string(xdgStateHome) + "/regrovantis";
  if (home && IsAbsolutePath(home)) return std::string(home) + "/.local/state/regrovantis";
  return {};
}

bool SaveRecoveryFile(const std::string& folder, RecoverySlot slot, const Document& document,
                      const DataFileSession& session, const EquationList& equations) {
  if (folder.empty()) return false;
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  // Only the user reads a sheet kept in their own state folder.
  std::filesystem::permissions(folder, std::filesystem::perms::owner_all, error);
  const std::string path = document.state.named ? document.state.path : std::string();
  // The note first: a data file without its note would restore under no name.
  if (!WriteFileAtomically(NotePath(folder, slot), Bytes(path))) return false;
  DataFileSession kept = session;
  RefreshSaveArea(kept, equations);
  return static_cast<bool>(StoreDataFile(DataPath(folder, slot), EncodeDataFile(document, kept)));
}

void RemoveRecoveryFile(const std::string& folder, RecoverySlot slot) {
  if (folder.empty()) return;
  std::error_code error;
  std::filesystem::remove(DataPath(folder, slot), error);
  std::filesystem::remove(NotePath(folder, slot), error);
}

std::vector<RecoveredSheet> RecoveredSheets(const std::string& folder,
                                            const std::function<bool(RecoverySlot)>& stillOpen) {
  std::vector<RecoveredSheet> sheets;
  std::error_code error;
  if (folder.empty() || !std::filesystem::is_directory(folder, error)) return sheets;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::optional<RecoverySlot> slot = SlotOfName(entry.path().filename().string());
    struct stat status {};
    if (!slot || stillOpen(*slot) || ::lstat(entry.path().c_str(), &status) != 0 || !S_ISREG(status.st_mode)) continue;
    const std::string path = SavedPath(folder, *slot);
    sheets.push_back({*slot, path.empty() ? std::string("Untitled") : FileNameOfPath(path), status.st_mtime});
  }
  std::stable_sort(sheets.begin(), sheets.end(), [](const RecoveredSheet& a, const RecoveredSheet& b) {
    if (a.keptAt != b.keptAt) return a.keptAt < b.keptAt;
    return a.slot.processId != b.slot.processId ? a.slot.processId < b.slot.processId : a.slot.window < b.slot.window;
  });
  return sheets;
}

Outcome<ViewUpdates> RestoreRecoveredSheet(const std::string& folder, RecoverySlot slot, Document& document,
                                           DataFileSession& session, EquationList& equations) {
  Outcome<DataFileContents> loaded = LoadDataFile(DataPath(folder, slot));
  const std::string path = SavedPath(folder, slot);
  RemoveRecoveryFile(folder, slot);
  if (!loaded) return loaded.message();
  const std::string dataFolder = document.state.dataFolder;
  AdoptLoadedSheet(std::move(*loaded), document, session);
  document.state = {};
  document.state.dataFolder = dataFolder;
  if (!path.empty()) NameDocument(document.state, path);
  document.state.modified = true;
  ListStoredEquation(session, equations);
  return SheetReplacedUpdates();
}

}  // namespace rv
