#include "files/recovery_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <random>
#include <sstream>

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

constexpr std::size_t kMaxNoteBytes = 8192;
constexpr std::string_view kPrefix = "recovery-";
constexpr std::string_view kDataExtension = ".rvd";
constexpr std::string_view kNoteExtension = ".note";
constexpr std::string_view kOldNoteExtension = ".path";
// The note's last line: everything after it is the path, line ends included.
constexpr std::string_view kPathKey = "path=";

std::string BaseName(const std::string& folder, const RecoverySlot& slot) {
  return folder + "/" + std::string(kPrefix) + slot.id;
}
std::string DataPath(const std::string& folder, const RecoverySlot& slot) {
  return BaseName(folder, slot) + std::string(kDataExtension);
}
std::string NotePath(const std::string& folder, const RecoverySlot& slot) {
  return BaseName(folder, slot) + std::string(kNoteExtension);
}
std::string OldNotePath(const std::string& folder, const RecoverySlot& slot) {
  return BaseName(folder, slot) + std::string(kOldNoteExtension);
}

std::span<const std::uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

Message Failure(const std::string& text) { return {text, MessageKind::Error}; }

// The folder holds the user's unsaved work: made readable by the user alone,
// but a folder that is already there is the user's to set.
Outcome<void> MakeOwnFolder(const std::string& folder) {
  struct stat status {};
  if (::stat(folder.c_str(), &status) != 0) {
    std::error_code error;
    std::filesystem::create_directories(FolderOfPath(folder), error);
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return Failure(std::strerror(errno));
    if (::stat(folder.c_str(), &status) != 0) return Failure(std::strerror(errno));
  }
  if (!S_ISDIR(status.st_mode)) return Failure("'" + folder + "' is not a folder");
  return {};
}

// What the note says beyond the path, and the path.
struct Note {
  RecoveryKeeper keeper;
  int rows = -1;
  std::optional<DiskIdentity> fileIdentity;
  std::string path;
};

std::string NoteText(const RecoveryKeeper& keeper, const KeptSheet& sheet) {
  std::ostringstream note;
  note << "process=" << keeper.processId << "\nstart=" << keeper.processStart
       << "\nrows=" << LastRowWithData(sheet.document.sheet.cells) + 1 << "\n";
  if (const std::optional<DiskIdentity>& id = sheet.fileIdentity)
    note << "file=" << id->device << " " << id->inode << " " << id->size << " " << id->modifiedSeconds << " "
         << id->modifiedNanoseconds << "\n";
  note << kPathKey << (sheet.document.state.named ? sheet.document.state.path : std::string());
  return note.str();
}

template <class Number>
bool ParseNumber(std::string_view text, Number& number) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

void ReadNoteLine(std::string_view key, std::string_view value, Note& note) {
  if (key == "process") ParseNumber(value, note.keeper.processId);
  else if (key == "start") ParseNumber(value, note.keeper.processStart);
  else if (key == "rows") ParseNumber(value, note.rows);
  else if (key == "file") {
    DiskIdentity id;
    std::istringstream fields{std::string(value)};
    if (fields >> id.device >> id.inode >> id.size >> id.modifiedSeconds >> id.modifiedNanoseconds)
      note.fileIdentity = id;
  }
}

Note ParseNote(std::string_view text) {
  Note note;
  while (!text.empty() && !text.starts_with(kPathKey)) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    const std::size_t equals = line.find('=');
    if (equals != std::string_view::npos) ReadNoteLine(line.substr(0, equals), line.substr(equals + 1), note);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  if (text.starts_with(kPathKey)) note.path = text.substr(kPathKey.size());
  return note;
}

// "PID-N", the id of a slot the older version named by its process.
std::optional<int> OldSlotProcess(std::string_view id) {
  const std::size_t dash = id.find('-');
  int process = 0;
  int window = 0;
  if (dash == std::string_view::npos || !ParseNumber(id.substr(0, dash), process) ||
      !ParseNumber(id.substr(dash + 1), window) || process <= 0)
    return std::nullopt;
  return process;
}

// The note of a slot; for a slot of the older version its path alone, the
// process taken from its id.
std::optional<Note> ReadNote(const std::string& folder, const RecoverySlot& slot) {
  const FileRead read = ReadRegularFile(NotePath(folder, slot), kMaxNoteBytes);
  if (read.failure == FileReadFailure::None) return ParseNote(read.bytes);
  const std::optional<int> oldProcess = OldSlotProcess(slot.id);
  if (!oldProcess) return std::nullopt;
  Note note;
  note.keeper.processId = *oldProcess;
  note.path = ReadRegularFile(OldNotePath(folder, slot), kMaxNoteBytes).bytes;
  return note;
}

// "recovery-ID.rvd" gives its slot; any other name gives nothing. An id is
// made of letters, digits and dashes, so it names no other folder.
std::optional<RecoverySlot> SlotOfName(std::string_view name) {
  if (!name.starts_with(kPrefix) || !name.ends_with(kDataExtension)) return std::nullopt;
  const std::string_view id = name.substr(kPrefix.size(), name.size() - kPrefix.size() - kDataExtension.size());
  const bool plain = std::all_of(id.begin(), id.end(), [](char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-';
  });
  if (id.empty() || !plain) return std::nullopt;
  return RecoverySlot{std::string(id)};
}

}  // namespace

RecoverySlot NewRecoverySlot() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  ::localtime_r(&now, &local);
  char time[32];
  std::strftime(time, sizeof time, "%Y%m%d-%H%M%S", &local);
  std::random_device random;
  char digits[24];
  std::snprintf(digits, sizeof digits, "%08x%08x", random(), random());
  return {std::string(time) + "-" + digits};
}

std::string RecoveryFolder(const char* xdgStateHome, const char* home) {
  if (xdgStateHome && IsAbsolutePath(xdgStateHome)) return std::string(xdgStateHome) + "/regrovantis";
  if (home && IsAbsolutePath(home)) return std::string(home) + "/.local/state/regrovantis";
  return {};
}

Outcome<void> SaveRecoveryFile(const std::string& folder, const RecoverySlot& slot, const RecoveryKeeper& keeper,
                               const KeptSheet& sheet) {
  if (folder.empty()) return Failure("no folder for it: neither $XDG_STATE_HOME nor $HOME is set");
  if (Outcome<void> made = MakeOwnFolder(folder); !made) return made;
  // The note first: a data file without its note would restore under no name.
  if (Outcome<void> noted = WriteFileAtomically(NotePath(folder, slot), Bytes(NoteText(keeper, sheet))); !noted)
    return noted;
  DataFileSession kept = sheet.session;
  RefreshSaveArea(kept, sheet.equations);
  return WriteFileAtomically(DataPath(folder, slot), EncodeDataFile(sheet.document, kept));
}

void RemoveRecoveryFile(const std::string& folder, const RecoverySlot& slot) {
  if (folder.empty()) return;
  std::error_code error;
  std::filesystem::remove(DataPath(folder, slot), error);
  std::filesystem::remove(NotePath(folder, slot), error);
  std::filesystem::remove(OldNotePath(folder, slot), error);
}

std::vector<RecoveredSheet> RecoveredSheets(const std::string& folder,
                                            const std::function<bool(const RecoveredSheet&)>& stillOpen) {
  // Each sheet with the moment it was kept to the nanosecond, so that sheets
  // kept in one second come in the order they were kept.
  std::vector<std::pair<std::timespec, RecoveredSheet>> found;
  std::error_code error;
  if (folder.empty() || !std::filesystem::is_directory(folder, error)) return {};
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::optional<RecoverySlot> slot = SlotOfName(entry.path().filename().string());
    struct stat status {};
    if (!slot || ::lstat(entry.path().c_str(), &status) != 0 || !S_ISREG(status.st_mode)) continue;
    const std::optional<Note> note = ReadNote(folder, *slot);
    if (!note) continue;
    RecoveredSheet sheet{*slot, note->keeper, note->path.empty() ? std::string("Untitled") : FileNameOfPath(note->path),
                         status.st_mtim.tv_sec, note->rows};
    if (!stillOpen(sheet)) found.emplace_back(status.st_mtim, std::move(sheet));
  }
  std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
    if (a.first.tv_sec != b.first.tv_sec) return a.first.tv_sec < b.first.tv_sec;
    if (a.first.tv_nsec != b.first.tv_nsec) return a.first.tv_nsec < b.first.tv_nsec;
    return a.second.slot.id < b.second.slot.id;
  });
  std::vector<RecoveredSheet> sheets;
  sheets.reserve(found.size());
  for (auto& [kept, sheet] : found) sheets.push_back(std::move(sheet));
  return sheets;
}

Outcome<RestoredSheet> RestoreRecoveredSheet(const std::string& folder, const RecoverySlot& slot, Document& document,
                                             DataFileSession& session, EquationList& equations) {
  Outcome<DataFileContents> loaded = LoadDataFile(DataPath(folder, slot));
  const Note note = ReadNote(folder, slot).value_or(Note{});
  RemoveRecoveryFile(folder, slot);
  if (!loaded) return loaded.message();
  const std::string dataFolder = document.state.dataFolder;
  AdoptLoadedSheet(std::move(*loaded), document, session);
  document.state = {};
  document.state.dataFolder = dataFolder;
  if (!note.path.empty()) NameDocument(document.state, note.path);
  document.state.modified = true;
  ListStoredEquation(session, equations);
  return RestoredSheet{SheetReplacedUpdates(), note.path.empty() ? std::nullopt : note.fileIdentity};
}

}  // namespace rv
