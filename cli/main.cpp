#include <cstdio>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/run_command.h"
#include "cli/text_options.h"
#include "sheet/quoted_text.h"

namespace {

// How FILE may be given and read, for every command that reads one.
constexpr const char* kFileHelp =
    "FILE is a .rvd data file, a .csv or .tsv file whose first line names the\n"
    "columns Y, X1 ..., or - for standard input (comma- or tab-separated).\n"
    "These options read any text of measurements instead (what they do not say\n"
    "is found in the text, as the import dialog finds it):\n"
    "  --sep ,|;|tab|space   the field separator (tab for a .tsv file)\n"
    "  --decimal-comma       numbers are written 0,6343\n"
    "  --thousands none|comma|point|apostrophe|thin\n"
    "                        the mark between thousands (1,306  1.306,25  1'306)\n"
    "  --na LIST             the words that mark a missing value, comma-separated\n"
    "                        (default NA,NaN,N/A,-,--,null; an empty field always)\n"
    "  --encoding NAME       utf-8, windows-1252, latin-1, utf-16le or utf-16be\n"
    "  --comment MARK        lines starting with MARK are comments, as with #\n"
    "  --names N             the line that names the columns (0: none)\n"
    "  --skip N              lines to leave out below the names line (units)\n"
    "  --y COLUMN            the column that is Y, by name or number (default:\n"
    "                        the one named Y, else the first)\n"
    "  --x COL,COL,...       the columns that are X1, X2 ... (default: the others)\n"
    "  --drop-incomplete     leave out rows with an empty field in those columns\n"
    "  --keep-first          keep the first 100000 rows of a longer text\n";

constexpr const char* kSearchOptionsHelp =
    "  --max-terms M         the most coefficients of an equation of several variables, 1 to 20;\n"
    "                        the fixed equations of one variable (up to 5) are tried whatever M\n"
    "  --sets 1,2,...        the equation sets to try\n";

struct Command {
  const char* name;
  int (*run)(const std::vector<std::string>&);
  const char* usage;
  const char* summary;
  const char* options;
  bool readsFile;
};

const Command kCommands[] = {
    {"count", rv::cli::RunCountCommand, "count  --vars N [--max-terms M] [--sets 1,2,...]",
     "Prints the candidate equations of each enabled set for N variables, then the total.\n",
     "  --vars N              the number of X variables, 1 to 15\n", false},
    {"equation", rv::cli::RunEquationCommand, "equation ORDINAL --vars N [--max-terms M] [--sets ...]",
     "Prints the equation an ordinal names for N variables.\n",
     "  --vars N              the number of X variables, 1 to 15\n", false},
    {"search", rv::cli::RunSearchCommand,
     "search FILE [--max-terms M] [--sets ...] [--sigma X16] [--rank-by r2|adj-r2|aicc|bic|pred-r2]\n"
     "                         [--top K] [--threads T] [--engine fast|reference] [--shard K/N] [--json] [--quiet]\n"
     "                         [text options]",
     "Searches FILE's data and prints the best equations: R squared, ordinal, equation.\n",
     "  --sigma X16|none      weight every fit by 1/sigma^2, sigma of Y in X16 (none: unweighted,\n"
     "                        whatever a .rvd file says)\n"
     "  --rank-by CRITERION   rank by r2 (default), adj-r2, aicc, bic or pred-r2\n"
     "  --top K               print the K best (default all, at most 1000)\n"
     "  --threads T           threads to search with (default every core)\n"
     "  --engine fast|reference  the fast search or the plain reference one\n"
     "  --shard K/N           search only part K of N of the candidates and write what\n"
     "                        merge needs of it (with --json; see merge --help)\n"
     "  --json                one JSON document\n"
     "  --quiet               no progress bar\n",
     true},
    {"merge", rv::cli::RunMergeCommand,
     "merge  PART.json ... [--top K] [--threads T] [--out FILE]   (- is standard input)",
     "Merges the parts that search FILE --shard K/N --json wrote, one for every K from 1\n"
     "to N, into the JSON document that one search over all candidates writes, exactly.\n"
     "Refuses a missing, empty or repeated shard and a part of other data or options.\n",
     "  --top K               print the K best (default all, at most 1000)\n"
     "  --threads T           threads to write the equation texts with (default every core)\n"
     "  --out FILE            write the document to FILE once the merge has succeeded\n"
     "                        (a failed merge leaves no FILE, not even an empty one)\n",
     false},
    {"stats", rv::cli::RunStatsCommand,
     "stats  FILE [--ordinal K | --rank K [--rank-by C]] [--max-terms M] [--sets ...] [--sigma X16] [--level L]\n"
     "                         [--json] [text options]",
     "Prints the statistics of one equation: ordinal K, entry K of the list, or the one a .rvd file stores.\n",
     "  --ordinal K           the equation, as search numbers it\n"
     "  --rank K              entry K of the list a search with the same options gives\n"
     "  --rank-by CRITERION   the list's criterion for --rank: r2 (default), adj-r2, aicc, bic or pred-r2\n"
     "  --sigma X16|none      weight the fit by 1/sigma^2, sigma of Y in X16\n"
     "  --level L             the bands' level, 0.5 to 0.999 or 50 to 99.9 (default the file's, else 0.95)\n"
     "  --json                one JSON document\n",
     true},
    {"code", rv::cli::RunCodeCommand,
     "code   FILE [--ordinal K] [--max-terms M] [--sets ...] --lang basic|c|cpp|fortran [--band [--level L]]\n"
     "                         [text options]",
     "Prints one equation as a function in BASIC, C, C++ or FORTRAN.\n",
     "  --ordinal K           the equation, as search numbers it\n  --lang LANGUAGE       basic, c, cpp or fortran\n"
     "  --sigma X16|none      weight the fit by 1/sigma^2, sigma of Y in X16\n"
     "  --band                add FuncBand, the half-width of its bands\n"
     "  --level L             the bands' level, 0.5 to 0.999 or 50 to 99.9 (default the file's, else 0.95)\n",
     true},
    {"convert", rv::cli::RunConvertCommand, "convert IN OUT [--sigma X16] [text options]   (text <-> .rvd)",
     "Writes IN as OUT: text as a .rvd data file, a data file as .csv or .tsv text.\n",
     "  --sigma X16|none      the data file weights every fit by 1/sigma^2, sigma of Y in X16\n", true},
    {"graph", rv::cli::RunGraphTool,
     "graph  FILE [--ordinal K] [--max-terms M] [--sets ...] --vars X1[,X2] [--angles H,V]\n"
     "                         [--size N] [--level L | --no-bands] (--out PICTURE.png | --data) [text options]",
     "Draws one equation as a curve over one variable or a surface over two.\n",
     "  --ordinal K           the equation (default: the stored one, else the best)\n"
     "  --vars X1[,X2]        the X axis and, for a surface, the depth\n"
     "  --angles H,V          the view's angles, -180 to 180 (default 30,30)\n"
     "  --size N              the picture's size in pixels (default 640)\n"
     "  --out PICTURE.png     write the picture; - writes it to standard output\n"
     "  --data                print the grid points instead\n"
     "  --sigma X16|none      weight the fit by 1/sigma^2, sigma of Y in X16\n"
     "  --level L             a curve's bands' level, 0.5 to 0.999 or 50 to 99.9 (default the file's, else 0.95)\n"
     "  --no-bands            a curve without its bands\n",
     true},
};

void PrintUsage(std::FILE* out) {
  std::fputs("usage:\n", out);
  for (const Command& command : kCommands) std::fprintf(out, "  regrovantis-cli %s\n", command.usage);
  std::fputs("  regrovantis-cli COMMAND --help\n  regrovantis-cli --version\n", out);
}

void PrintCommandHelp(const Command& command) {
  std::printf("usage: regrovantis-cli %s\n\n%s\n%s", command.usage, command.summary, command.options);
  if (std::string(command.usage).find("--max-terms") != std::string::npos) std::fputs(kSearchOptionsHelp, stdout);
  if (command.readsFile) std::printf("\n%s", kFileHelp);
}

bool AsksForHelp(const std::vector<std::string>& words) {
  for (const std::string& word : words)
    if (word == "--help" || word == "-h") return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  if (arguments.empty()) {
    PrintUsage(stderr);
    return 2;
  }
  if (arguments[0] == "--help" || arguments[0] == "-h" || arguments[0] == "help") {
    PrintUsage(stdout);
    return rv::cli::CheckOutputWritten(0);
  }
  if (arguments[0] == "--version") {
    std::printf("regrovantis-cli %s\n", REGROVANTIS_VERSION);
    return rv::cli::CheckOutputWritten(0);
  }
  const std::vector<std::string> words(arguments.begin() + 1, arguments.end());
  for (const Command& command : kCommands) {
    if (arguments[0] != command.name) continue;
    if (AsksForHelp(words)) {
      PrintCommandHelp(command);
      return rv::cli::CheckOutputWritten(0);
    }
    return rv::cli::RunCommand(command.run, words);
  }
  std::fprintf(stderr, "regrovantis-cli: unknown command %s\n", rv::QuotedText(arguments[0], 40).c_str());
  PrintUsage(stderr);
  return 2;
}
