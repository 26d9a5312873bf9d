#pragma once

#include "files/data_file_session.h"
#include "regress/equation_list.h"

namespace rv {

// After a data file's contents replaced the sheet: the list holds the stored
// equation as its only entry, selected (and graphed when it was the graphed
// one), or nothing when none was stored as selected.
void ListStoredEquation(DataFileSession& session, EquationList& equations);

}  // namespace rv
