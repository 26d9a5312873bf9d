#pragma once

#include <string>

namespace rv {

// The languages of a generated function, in the order of the Language list
// and of the save panel's file filters. C and C++ share one text.
enum class FunctionLanguage { Basic = 0, C = 1, Cpp = 2, Fortran = 3 };
inline constexpr int kFunctionLanguageCount = 4;

// The Language list entry, which is also the file filter's name:
// "Basic Function (*.bas)", "C Procedure (*.c)", "C++ Procedure (*.cpp)",
// "FORTRAN Function (*.for)".
const char* LanguageListEntry(FunctionLanguage language);
// ".bas", ".c", ".cpp", ".for".
const char* LanguageExtension(FunctionLanguage language);

// The typed file name with the language's extension: everything from the
// name's last '.' on is replaced, or the extension appended when the name
// has no '.' ("fit.txt" and "fit" both become "fit.cpp" for C++).
std::string FunctionFileName(const std::string& typedName, FunctionLanguage language);

}  // namespace rv
