#include "files/stored_equation.h"

namespace rv {

void ListStoredEquation(DataFileSession& session, EquationList& equations) {
  equations.clear();
  if (session.selectedIndex < 0) {
    if (session.graphedIndex >= 0) session.graphedIndex = -1;
    return;
  }
  equations.setSingleEntry(session.savedEquation);
  session.graphedIndex = session.graphedIndex == session.selectedIndex ? 0 : -1;
  session.selectedIndex = 0;
}

}  // namespace rv
