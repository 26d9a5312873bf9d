#include "stats/function_file.h"

#include <cstdint>
#include <filesystem>
#include <span>

#include "files/atomic_file.h"

namespace rv {

namespace {

Message Failure(const std::string& path, const std::string& reason) {
  return {"The function could not be written to the file '" + path + "'.\n" + reason, MessageKind::Error};
}

}  // namespace

std::string FunctionFilePath(const std::string& folder, const std::string& typedName, FunctionLanguage language) {
  const std::string name = FunctionFileName(typedName, language);
  if (folder.empty()) return name;
  return folder.back() == '/' ? folder + name : folder + "/" + name;
}

bool FunctionFileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

std::string ReplaceFileQuestion(const std::string& path) {
  return "The file '" + path + "' already exists.\nDo you want to replace the existing file?";
}

Outcome<void> WriteFunctionFile(const std::string& path, const std::string& text) {
  const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  if (const Outcome<void> written = WriteFileAtomically(path, bytes); !written)
    return Failure(path, written.message().text);
  return {};
}

}  // namespace rv
