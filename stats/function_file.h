#pragma once

#include <string>

#include "stats/function_language.h"

namespace rv {

// What writing a function file came to. When it failed, the message names the
// path and is shown as an error (message kind 4).
struct FunctionFileOutcome {
  bool written = false;
  std::string message;
  int messageKind = 0;
};

inline constexpr int kErrorMessageKind = 4;
inline constexpr int kYesNoQuestionKind = 2;

// The folder, a '/' and the typed name with the language's extension.
std::string FunctionFilePath(const std::string& folder, const std::string& typedName, FunctionLanguage language);

// Whether something already exists at the path; the caller then asks
// ReplaceFileQuestion (a Yes/No question, kind 2) before writing.
bool FunctionFileExists(const std::string& path);
std::string ReplaceFileQuestion(const std::string& path);

// Writes the text exactly, replacing an existing file as a whole (see
// WriteFileAtomically).
FunctionFileOutcome WriteFunctionFile(const std::string& path, const std::string& text);

}  // namespace rv
