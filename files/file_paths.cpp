#include "files/file_paths.h"

#include <cctype>
#include <filesystem>

namespace rv {

std::string FolderOfPath(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string_view::npos) return {};
  if (slash == 0) return "/";
  return std::string(path.substr(0, slash));
}

std::string FileNameOfPath(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string WithExtension(std::string_view path, std::string_view extension) {
  const std::size_t nameStart = path.rfind('/') == std::string_view::npos ? 0 : path.rfind('/') + 1;
  const std::size_t dot = path.rfind('.');
  const bool hasExtension = dot != std::string_view::npos && dot > nameStart;
  return std::string(hasExtension ? path.substr(0, dot) : path) + std::string(extension);
}

std::string WithDataFileExtension(std::string_view path) { return WithExtension(path, ".rvd"); }

bool HasExtension(std::string_view path, std::string_view extension) {
  if (path.size() < extension.size()) return false;
  const std::string_view tail = path.substr(path.size() - extension.size());
  for (std::size_t i = 0; i < extension.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(tail[i])) != std::tolower(static_cast<unsigned char>(extension[i])))
      return false;
  return true;
}

bool HasDataFileExtension(std::string_view path) { return HasExtension(path, ".rvd"); }

bool IsAbsolutePath(std::string_view path) { return !path.empty() && path.front() == '/'; }

std::string AbsolutePath(std::string_view path) {
  if (path.empty() || IsAbsolutePath(path)) return std::string(path);
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::current_path(error);
  return error ? std::string(path) : (folder / path).string();
}

}  // namespace rv
