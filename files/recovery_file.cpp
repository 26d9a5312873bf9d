#include "files/recovery_file.h"

#include <filesystem>

#include "files/atomic_file.h"
#include "files/data_file_format.h"
#include "files/data_file_io.h"
#include "files/file_paths.h"
#include "files/named_document.h"
#include "files/regular_file.h"
#include "files/stored_equation.h"

namespace rv {

namespace {

constexpr std::size_t kMaxPathNoteBytes = 4096;

std::string InFolder(const std::string& folder, const char* name) { return folder + "/" + name; }

std::span<const std::uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// The path the kept sheet was last saved to; empty for an untitled sheet.
std::string SavedPath(const std::string& folder) {
  return ReadRegularFile(InFolder(folder, kRecoveryPathFileName), kMaxPathNoteBytes).bytes;
}

}  // namespace

std::string RecoveryFolder(const char* xdgStateHome, const char* home) {
  if (xdgStateHome && IsAbsolutePath(xdgStateHome)) return std::string(xdgStateHome) + "/regrovantis";
  if (home && IsAbsolutePath(home)) return std::string(home) + "/.local/state/regrovantis";
  return {};
}

bool SaveRecoveryFile(const std::string& folder, const Document& document, const DataFileSession& session) {
  if (folder.empty()) return false;
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  const std::string path = document.state.named ? document.state.path : std::string();
  // The note first: a data file without its note would restore under no name.
  if (WriteFileAtomically(InFolder(folder, kRecoveryPathFileName), Bytes(path))) return false;
  const DataFileBytes image = EncodeDataFile(document, session);
  return StoreDataFile(InFolder(folder, kRecoveryDataFileName), image).failure == StoreFailure::None;
}

std::optional<std::string> RecoveredSheetTitle(const std::string& folder) {
  if (folder.empty()) return std::nullopt;
  std::error_code error;
  if (!std::filesystem::is_regular_file(InFolder(folder, kRecoveryDataFileName), error)) return std::nullopt;
  const std::string path = SavedPath(folder);
  return path.empty() ? std::string("Untitled") : FileNameOfPath(path);
}

FileOutcome RestoreRecoveredSheet(const std::string& folder, Document& document, DataFileSession& session,
                                  EquationList& equations) {
  LoadResult loaded = LoadDataFile(InFolder(folder, kRecoveryDataFileName));
  const std::string path = SavedPath(folder);
  DiscardRecoveredSheet(folder);
  FileOutcome outcome;
  if (loaded.failure != LoadFailure::None) {
    outcome.message = loaded.message;
    return outcome;
  }
  const std::string dataFolder = document.state.dataFolder;
  const bool shadeSurface = document.options.shadeSurface;
  document = std::move(loaded.contents->document);
  document.options.shadeSurface = shadeSurface;
  document.state = {};
  document.state.dataFolder = dataFolder;
  if (!path.empty()) NameDocument(document.state, path);
  document.state.modified = true;
  session = std::move(loaded.contents->session);
  session.graphDrawn = false;
  ListStoredEquation(session, equations);
  outcome = SheetReplacedOutcome();
  return outcome;
}

void DiscardRecoveredSheet(const std::string& folder) {
  std::error_code error;
  std::filesystem::remove(InFolder(folder, kRecoveryDataFileName), error);
  std::filesystem::remove(InFolder(folder, kRecoveryPathFileName), error);
}

}  // namespace rv
