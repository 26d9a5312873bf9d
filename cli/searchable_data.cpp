#include "cli/searchable_data.h"

#include <cstdio>

#include "cli/command_line.h"
#include "cli/input_file.h"
#include "regress/y_uncertainty.h"
#include "sheet/left_out_data.h"

namespace rv::cli {

void RequireSearchableData(const SearchData& data, const std::string& path) {
  if (data.pointCount < 2)
    throw CliError(InputName(path) + " has fewer than two points: a search uses the rows before the first empty Y", 1);
  if (data.variableCount() == 0) {
    const std::string why = DescribeNoUsableX(data.values);
    throw CliError(InputName(path) + " has no X variable to regress on" + (why.empty() ? "" : ". " + why), 1);
  }
  if (data.weighted)
    if (const int row = FirstUnusableSigmaRow(data); row != 0) throw CliError(UnusableSigmaMessage(row), 1);
}

SearchData SearchableSnapshot(const Document& document, const std::string& path) {
  const SearchData data = TakeSearchSnapshot(document);
  RequireSearchableData(data, path);
  WarnAboutLeftOutData(document.sheet.cells, data.weighted);
  return data;
}

void WarnAboutLeftOutData(const SheetValues& cells, bool sigmaInX16) {
  for (const std::string& sentence : DescribeLeftOutData(cells, sigmaInX16))
    std::fprintf(stderr, "warning: %s\n", sentence.c_str());
}

}  // namespace rv::cli
