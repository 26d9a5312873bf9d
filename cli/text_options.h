#pragma once

#include <set>
#include <string>
#include <string_view>

#include "cli/command_line.h"
#include "files/text_encoding.h"
#include "files/text_import.h"

namespace rv::cli {

// The options that say how a text file of measurements is read: --sep,
// --thousands, --na, --encoding, --comment, --names, --skip, --y and --x
// take a value, --decimal-comma, --drop-incomplete and --keep-first are
// flags. Every command that reads FILE takes them.
extern const std::set<std::string> kTextValueOptions;
extern const std::set<std::string> kTextFlagOptions;

// A command's own options together with them.
std::set<std::string> AndTextValueOptions(std::set<std::string> own);
std::set<std::string> AndTextFlagOptions(std::set<std::string> own);

// Whether one of them is given; without them a text file is read as names
// Y, X1 ... and points.
bool HasTextOptions(const Arguments& arguments);

// The encoding --encoding names, or the one the bytes show.
TextEncoding EncodingFromArguments(const Arguments& arguments, std::string_view bytes);

// How the text is read: what the text shows (DetectTextImportOptions, with
// tab for a .tsv path), changed by the options. --y and --x name columns by
// their names or by number from 1 and choose roles as the import dialog
// does (ChooseColumnRole): --y makes that column Y, the one that was Y an
// X; --x makes its columns X1, X2 ... and leaves the others out.
TextImportOptions TextOptionsFromArguments(const Arguments& arguments, std::string_view text, std::string_view path);

// What the user can do about a fault of the reading, as options to give;
// empty when nothing helps.
std::string TextOptionsHint(const TextImport& reading, const TextImportOptions& options);

// The warnings a reading deserves: missing cells, lines holding numbers
// that --skip left out, columns left out for want of room. Each names the
// file and what to give to change it.
void WarnAboutTextReading(const std::string& name, const TextImport& reading, const TextImportOptions& options,
                          const Arguments& arguments);

// The values of the text options that need no text (--sep, --skip, --names,
// --thousands, --encoding), checked before any work: CliError otherwise.
// (--y and --x name columns of the text, so only the text can check them.)
void CheckTextOptions(const Arguments& arguments);

}  // namespace rv::cli
