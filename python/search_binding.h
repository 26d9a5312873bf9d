#pragma once

#include <pybind11/pybind11.h>

namespace rv::python {

// search(rows, max_terms, sets, rank_by, top, threads, progress) runs the
// search the command-line tool runs on the same sheet and options, on a
// worker thread while the calling thread waits without the interpreter's
// lock. Every tenth of a second it takes the lock back to call
// progress(done, total) when given and to let Python see a signal: Ctrl+C
// (KeyboardInterrupt) stops the search, which then ends with what it found.
// Returns a dict: "equations", the best `top` entries best first, each a
// tuple (r_squared, r_squared_text, ordinal, equation, k, adjusted_r_squared,
// aicc, bic); "candidates", "examined", "outside_range",
// "cannot_be_resolved", "stopped" and "interrupted".
void AddSearch(pybind11::module_& module);

}  // namespace rv::python
