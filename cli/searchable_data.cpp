#include "cli/searchable_data.h"

#include <cstdio>

#include "cli/command_line.h"
#include "cli/input_file.h"
#include "sheet/left_out_data.h"

namespace rv::cli {

void RequireSearchableData(const SearchData& data, const std::string& path) {
  if (data.pointCount < 2)
    throw CliError(InputName(path) + " has fewer than two points: a search uses the rows before the first empty Y", 1);
  if (data.variableCount() == 0) {
    const std::string why = DescribeNoUsableX(data.values);
    throw CliError(InputName(path) + " has no X variable to regress on" + (why.empty() ? "" : ". " + why), 1);
  }
}

void WarnAboutLeftOutData(const SheetValues& cells) {
  for (const std::string& sentence : DescribeLeftOutData(cells))
    std::fprintf(stderr, "warning: %s\n", sentence.c_str());
}

}  // namespace rv::cli
