#include "stats/function_language.h"

namespace rv {

namespace {

struct LanguageNames {
  const char* entry;
  const char* extension;
};

constexpr LanguageNames kNames[kFunctionLanguageCount] = {
    {"Basic Function (*.bas)", ".bas"},
    {"C Procedure (*.c)", ".c"},
    {"C++ Procedure (*.cpp)", ".cpp"},
    {"FORTRAN Function (*.for)", ".for"},
};

const LanguageNames& NamesOf(FunctionLanguage language) { return kNames[static_cast<int>(language)]; }

}  // namespace

const char* LanguageListEntry(FunctionLanguage language) { return NamesOf(language).entry; }
const char* LanguageExtension(FunctionLanguage language) { return NamesOf(language).extension; }

std::string FunctionFileName(const std::string& typedName, FunctionLanguage language) {
  const size_t dot = typedName.rfind('.');
  return (dot == std::string::npos ? typedName : typedName.substr(0, dot)) + LanguageExtension(language);
}

}  // namespace rv
