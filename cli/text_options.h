#pragma once

#include <set>
#include <string>
#include <string_view>

#include "cli/command_line.h"
#include "files/text_import.h"

namespace rv::cli {

// The options that say how a text file of measurements is read: --sep,
// --skip, --y and --x take a value, --decimal-comma, --drop-incomplete and
// --keep-first are flags. Every command that reads FILE takes them.
extern const std::set<std::string> kTextValueOptions;
extern const std::set<std::string> kTextFlagOptions;

// A command's own options together with them.
std::set<std::string> AndTextValueOptions(std::set<std::string> own);
std::set<std::string> AndTextFlagOptions(std::set<std::string> own);

// Whether one of them is given; without them a text file is read as names
// Y, X1 ... and points.
bool HasTextOptions(const Arguments& arguments);

// The values of --sep and --skip, checked before any work: CliError otherwise.
// (--y and --x name columns of the text, so only the text can check them.)
void CheckTextOptions(const Arguments& arguments);

// How the text is read: what the text shows (DetectTextImportOptions),
// changed by the options. --y and --x name columns by their names in the
// first line or by number from 1; without --x the columns other than Y are
// X1, X2 ... in order. --keep-first keeps the first 100,000 rows of a longer text.
TextImportOptions TextOptionsFromArguments(const Arguments& arguments, std::string_view text);

}  // namespace rv::cli
