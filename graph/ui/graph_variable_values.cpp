#include "graph/ui/graph_variable_values.h"

#include <QString>

namespace rv {

namespace {

std::string FirstCharacters(const std::string& name) {
  return QString::fromStdString(name).left(kMaxNameLength).toStdString();
}

}  // namespace

void StoreGraphVariableValues(DataSheet& sheet, const GraphVariableValues& values) {
  for (int column = 0; column < kSheetColumns; ++column) sheet.names[column] = FirstCharacters(values.names[column]);
  for (int variable = 1; variable < kSheetColumns; ++variable) {
    sheet.graphMinimum[variable] = values.minimum[variable];
    sheet.graphMaximum[variable] = values.maximum[variable];
    sheet.graphConstant[variable] = values.constant[variable];
  }
  sheet.autoUpdate = values.autoUpdate;
}

}  // namespace rv
