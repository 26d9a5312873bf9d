"""Regrovantis from Python: the search for the best empirical equations of a
DataFrame or array, their statistics, values, code and SymPy expressions, and
the program's data files. Every result is the one `regrovantis-cli` gives for
the same data and options."""

import os
import warnings

from . import _core, _data
from ._equation import Equation, SearchContext
from ._progress import make_progress
from ._result import SearchInterrupted, SearchResult

__all__ = ["search", "SearchResult", "SearchInterrupted", "Equation", "read_rvd", "write_rvd", "equation", "count"]

ALL_SETS = (1, 2, 3, 4, 5, 6)
RANKING_CRITERIA = ("r2", "adj-r2", "aicc", "bic")


def _sets_of(sets):
    if sets is None:
        return ALL_SETS
    if isinstance(sets, int):
        sets = [sets]
    return tuple(sorted({int(number) for number in sets}))


def search(data, y=None, x=None, *, max_terms=5, sets=None, rank_by="r2", top=1000, threads=None, progress=False):
    """Fits every candidate equation of the data's Y on its X columns and returns the best.

    data: a pandas DataFrame, its columns picked by name (y: the column named Y in any
    case, else the first; x: the others, at most 16), or a 2-D array (first column Y;
    y and x then pick columns by position). max_terms (1 to 20) and sets (the equation
    sets 1 to 6, default all) fix the candidates; rank_by ("r2", "adj-r2", "aicc",
    "bic") orders the list, of which the top (1 to 1000) are kept; threads defaults to
    every core. progress=True shows a bar while it runs. The interpreter is free while
    the engine works; Ctrl+C stops the search and raises SearchInterrupted (a
    KeyboardInterrupt) whose .result is the list found so far."""
    table = _data.table_of(data, y, x)
    for sentence in _core.left_out_data(table.rows):
        warnings.warn(sentence, stacklevel=2)
    context = SearchContext(table, int(max_terms), _sets_of(sets))
    bar = make_progress() if progress else None
    try:
        outcome = _core.search(table.rows, context.max_terms, list(context.sets), rank_by, int(top),
                               int(threads) if threads is not None else (os.cpu_count() or 1), bar)
    finally:
        if bar is not None:
            bar.close()
    result = SearchResult(context, outcome, rank_by)
    if outcome["interrupted"]:
        raise SearchInterrupted(result)
    return result


def equation(ordinal, variables, max_terms=5, sets=None):
    """The text of the equation with this ordinal among the candidates of so many X variables."""
    return _core.equation_text(int(ordinal), int(variables), int(max_terms), list(_sets_of(sets)))


def count(variables, max_terms=5, sets=None, *, by_set=False):
    """The number of candidate equations for so many X variables; with by_set, a dict
    of each enabled set's number of candidates by set number."""
    counts = _core.count_by_set(int(variables), int(max_terms), list(_sets_of(sets)))
    return counts if by_set else sum(counts.values())


def read_rvd(path):
    """A data file's sheet as a DataFrame: its columns by their names, Y to the last
    column holding a value, and its rows to the last holding one; an empty cell is NaN.
    attrs holds the search options the file keeps, "max_terms" and "sets"."""
    import pandas as pd

    contents = _core.read_rvd(os.fspath(path))
    rows = contents["rows"]
    used = [column for column in range(rows.shape[1]) if not pd.isna(rows[:, column]).all()]
    width = max(used, default=0) + 1
    frame = pd.DataFrame(rows[:, :width], columns=contents["names"][:width])
    frame.attrs["max_terms"] = contents["max_terms"]
    frame.attrs["sets"] = tuple(contents["sets"])
    return frame


def write_rvd(path, data, y=None, x=None, *, max_terms=5, sets=None):
    """Writes the data as a data file the program opens: the columns y and x pick (as
    search picks them) become Y, X1, X2 ..., each named by its column (cut to the
    eight characters a file keeps); NaN is an empty cell. Written whole or not at all:
    a file already at path is left as it was when writing fails (OSError)."""
    table = _data.table_of(data, y, x, allow_missing=True, min_rows=0)
    _core.write_rvd(os.fspath(path), table.rows, table.names, int(max_terms), list(_sets_of(sets)))
