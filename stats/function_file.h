#pragma once

#include <string>

#include "base/outcome.h"
#include "stats/function_language.h"

namespace rv {

// The folder, a '/' and the typed name with the language's extension.
std::string FunctionFilePath(const std::string& folder, const std::string& typedName, FunctionLanguage language);

// Whether something already exists at the path; the caller then asks
// ReplaceFileQuestion (a Yes/No question) before writing.
bool FunctionFileExists(const std::string& path);
std::string ReplaceFileQuestion(const std::string& path);

// Writes the text exactly, replacing an existing file as a whole (see
// WriteFileAtomically). A failure is an error message that names the path.
Outcome<void> WriteFunctionFile(const std::string& path, const std::string& text);

}  // namespace rv
