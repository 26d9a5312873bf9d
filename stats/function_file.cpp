#include "stats/function_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace rv {

namespace {

FunctionFileOutcome Failure(const std::string& path, int error) {
  std::string message = "The function could not be written to the file '" + path + "'.";
  if (error != 0) message += std::string("\n") + std::strerror(error);
  return {false, message, kErrorMessageKind};
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

FunctionFileOutcome WriteFunctionFile(const std::string& path, const std::string& text) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return Failure(path, errno);
  const size_t written = std::fwrite(text.data(), 1, text.size(), file);
  const int writeError = written == text.size() ? 0 : errno;
  const bool closed = std::fclose(file) == 0;
  if (written != text.size()) return Failure(path, writeError);
  if (!closed) return Failure(path, errno);
  return {true, {}, 0};
}

}  // namespace rv
