#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/input_file.h"
#include "cli/output_target.h"
#include "cli/search_options.h"
#include "cli/text_options.h"
#include "files/atomic_file.h"
#include "files/data_file_io.h"
#include "files/delimited_text.h"
#include "files/disk_identity.h"
#include "files/file_paths.h"

namespace rv::cli {

namespace {

// Writing OUT over IN would replace what is read with part of it: the same
// file by device and inode, whatever the names (a link, another path).
void RequireOtherFile(const std::string& in, const std::string& out) {
  const std::optional<DiskIdentity> input = DiskIdentityOf(in);
  const std::optional<DiskIdentity> output = DiskIdentityOf(out);
  if (input && output && input->device == output->device && input->inode == output->inode)
    throw CliError("'" + out + "' is the input file '" + in + "': convert writes OUT anew, so it must be another file",
                   1);
}

void WriteDataFileOutput(const std::string& path, const InputFile& input) {
  const DataFileBytes image = EncodeDataFile(input.document, input.dataFileSession.value_or(DataFileSession{}));
  if (const Outcome<void> stored = StoreDataFile(path, image); !stored) throw CliError(stored.message().text, 1);
}

void WriteTextOutput(const std::string& path, const InputFile& input, char delimiter) {
  const std::string text = FormatDelimitedText(input.document.sheet.cells, delimiter);
  const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  if (const Outcome<void> written = WriteFileAtomically(path, bytes); !written)
    throw CliError("cannot write " + InputName(path) + ": " + written.message().text, 1);
}

}  // namespace

// A .csv or .tsv file becomes a data file with the defaults of a new sheet
// (with --sigma X16, weighted by the uncertainties of Y in X16); a data file
// becomes text with its values only (the first line names the columns Y,
// X1 ...), every number written so that it reads back exactly.
int RunConvertCommand(const std::vector<std::string>& words) {
  const Arguments arguments = ParseArguments(words, AndTextValueOptions({"sigma"}), AndTextFlagOptions({}));
  if (arguments.positional.size() != 2) throw CliError("convert needs IN and OUT");
  CheckTextOptions(arguments);
  DocumentOptions valuesChecked;  // a wrong --sigma is refused before IN is read
  ApplySearchOptions(arguments, valuesChecked);
  const std::string& in = arguments.positional[0];
  const std::string& out = arguments.positional[1];
  const char delimiter = DelimiterForPath(out);
  if (!HasDataFileExtension(out) && delimiter == '\0')
    throw CliError(InputName(out) + ": OUT must be a .rvd, .csv or .tsv file");
  if (arguments.has("sigma") && !HasDataFileExtension(out))
    throw CliError("--sigma is an option the data file keeps: OUT must be a .rvd file");
  RequireWritableTarget(out);
  if (in != "-") RequireOtherFile(in, out);
  InputFile input = LoadInputFile(in, arguments);
  ApplySearchOptions(arguments, input.document.options);
  if (HasDataFileExtension(out)) WriteDataFileOutput(out, input);
  else WriteTextOutput(out, input, delimiter);
  return 0;
}

}  // namespace rv::cli
