#include "files/new_data_sheet.h"

namespace rv {

ViewUpdates NewDataSheet(Document& document, DataFileSession& session, EquationList& equations) {
  const std::int32_t moveSelection = document.options.moveSelectionAfterEnter;
  const std::string dataFolder = document.state.dataFolder;
  document = Document{};
  document.options.moveSelectionAfterEnter = moveSelection;
  document.state.dataFolder = dataFolder;
  session = DataFileSession{};
  equations.clear();
  return SheetReplacedUpdates();
}

}  // namespace rv
