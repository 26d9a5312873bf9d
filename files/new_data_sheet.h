#pragma once

#include "files/data_file_session.h"
#include "files/view_updates.h"
#include "regress/equation_list.h"
#include "sheet/document.h"

namespace rv {

// File New: the empty, untitled sheet. Before calling, the application ends
// any range selection and commits the cell being edited. Every cell becomes
// empty, names, formats, widths and graph values return to their defaults,
// both printout titles are emptied and the options and colours take their
// defaults (Move Selection After Enter stays as it is); N and K become 0, no
// equation is listed or stored, the Graph tab's list is emptied; both flags
// are cleared and the path and file title emptied. The data folder stays.
// It cannot fail.
ViewUpdates NewDataSheet(Document& document, DataFileSession& session, EquationList& equations);

}  // namespace rv
