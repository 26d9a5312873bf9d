#pragma once

#include <string>
#include <string_view>

namespace rv {

// Paths use '/' between folders.

// The part before the last '/': "/home/ann/data.rvd" gives "/home/ann", a
// file directly in the root gives "/", a bare name gives "".
std::string FolderOfPath(std::string_view path);

// The part after the last '/'.
std::string FileNameOfPath(std::string_view path);

// The path with the file name's extension replaced by extension (".csv"),
// or extension appended when the name has none. A '.' in a folder name, or
// at the start of a hidden file's name, is not an extension.
std::string WithExtension(std::string_view path, std::string_view extension);
std::string WithDataFileExtension(std::string_view path);

// Whether the file name ends with extension (".png"), in any letter case.
bool HasExtension(std::string_view path, std::string_view extension);
bool HasDataFileExtension(std::string_view path);

bool IsAbsolutePath(std::string_view path);

// A relative path taken from the current folder; an absolute or empty path as it is.
std::string AbsolutePath(std::string_view path);

}  // namespace rv
