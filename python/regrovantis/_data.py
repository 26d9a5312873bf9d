"""Tables of observations from pandas and numpy, checked before the engine sees them."""

import numbers
from dataclasses import dataclass

import numpy as np

from . import _core


@dataclass
class Table:
    """The rows the engine takes (Y first, then X1, X2 ...) and what names them."""

    rows: np.ndarray  # float64, C order, a copy of the caller's data
    names: list  # the name of each column: Y's, then each X's
    labels: object  # row labels for messages: the frame's index, or positions


def _is_frame(data):
    return hasattr(data, "columns") and hasattr(data, "iloc")


def _position(columns, key, what):
    matches = [i for i, column in enumerate(columns) if column == key]
    if not matches:
        shown = ", ".join(repr(column) for column in columns)
        raise ValueError(f"{what}: there is no column {key!r}; the columns are {shown}")
    if len(matches) > 1:
        raise ValueError(f"{what}: more than one column is named {key!r}")
    return matches[0]


def _import_roles(columns):
    """The role of each column as the import dialog gives it unless told: 0 Y, k Xk, -1 left out."""
    return _core.default_column_roles([str(column) for column in columns], len(columns))


def _default_roles(columns):
    """Y and the X columns as the import dialog takes them unless told."""
    roles = _import_roles(columns)
    y = roles.index(0)
    xs = sorted((role, i) for i, role in enumerate(roles) if role > 0)
    if len(xs) + 1 < len(columns):
        raise ValueError(
            f"the data has {len(columns) - 1} columns besides Y; a search takes at most "
            f"{_core.MAX_X_COLUMNS} X columns: choose them with x=[...]")
    for expected, (role, i) in enumerate(xs, start=1):
        if role != expected:
            raise ValueError(f"the columns name X{role} but no X{expected}: choose the X columns with x=[...]")
    return y, [i for _, i in xs]


def _chosen_columns(columns, y, x, is_frame):
    if y is None and x is None and is_frame:
        return _default_roles(columns)
    if y is None:
        y_position = _import_roles(columns).index(0) if is_frame else 0
    else:
        y_position = _position(columns, y, "y")
    if x is None:
        x_positions = [i for i in range(len(columns)) if i != y_position]
    else:
        if isinstance(x, (str, bytes)) or not hasattr(x, "__iter__"):
            x = [x]
        x_positions = [_position(columns, key, "x") for key in x]
    if y_position in x_positions:
        raise ValueError(f"x names the Y column {columns[y_position]!r}")
    if len(set(x_positions)) != len(x_positions):
        raise ValueError("x names a column more than once")
    if len(x_positions) > _core.MAX_X_COLUMNS:
        raise ValueError(f"there are {len(x_positions)} X columns; a search takes at most {_core.MAX_X_COLUMNS}")
    return y_position, x_positions


def _column_values(values, name, labels):
    """A column as float64; ValueError naming the first cell that is no real number."""
    array = np.asarray(values)
    if array.dtype.kind in "iuf":
        return array.astype(np.float64)
    out = np.empty(len(array), dtype=np.float64)
    for i, value in enumerate(array):
        if isinstance(value, (bool, np.bool_)) or not isinstance(value, numbers.Real):
            raise ValueError(f"column {name!r}, row {labels[i]!r}: {value!r} is not a number")
        out[i] = float(value)
    return out


def _check_values(column, name, labels, allow_missing):
    bad = ~np.isfinite(column)
    if allow_missing:
        bad &= ~np.isnan(column)
    bad |= column == _core.EMPTY_VALUE
    if bad.any():
        i = int(np.argmax(bad))
        why = "marks an empty cell in a data file" if column[i] == _core.EMPTY_VALUE else "is not a finite number"
        raise ValueError(f"column {name!r}, row {labels[i]!r}: {column[i]!r} {why}")


def table_of(data, y=None, x=None, *, allow_missing=False, min_rows=2):
    """The engine's rows of a DataFrame (columns by name) or a 2-D array (first column Y).

    Every value is copied; a value that is not a finite number (NaN is let
    through as an empty cell when allow_missing) raises ValueError naming its
    column and row: the frame's index label, or the row's position."""
    if _is_frame(data):
        columns = list(data.columns)
        labels = list(data.index)
        y_position, x_positions = _chosen_columns(columns, y, x, True)
        names = [str(columns[i]) for i in [y_position] + x_positions]
        raw = [data.iloc[:, i] for i in [y_position] + x_positions]
    else:
        array = np.array(data, copy=True)
        if array.ndim != 2:
            raise ValueError(f"the data must be a DataFrame or a 2-D array, not an array of {array.ndim} dimensions")
        columns = list(range(array.shape[1]))
        labels = range(array.shape[0])
        y_position, x_positions = _chosen_columns(columns, y, x, False)
        names = ["Y"] + [f"X{k}" for k in range(1, len(x_positions) + 1)]
        raw = [array[:, i] for i in [y_position] + x_positions]
    if not x_positions:
        raise ValueError("the data has no X column")
    if len(labels) < min_rows:
        raise ValueError(f"the data has {len(labels)} rows; a search needs at least {min_rows}")
    if len(labels) > _core.MAX_ROWS:
        raise ValueError(f"the data has {len(labels)} rows; a sheet holds at most {_core.MAX_ROWS}")
    columns_out = []
    for name, values in zip(names, raw):
        column = _column_values(values, name, labels)
        _check_values(column, name, labels, allow_missing)
        columns_out.append(column)
    rows = np.ascontiguousarray(np.column_stack(columns_out), dtype=np.float64)
    return Table(rows, names, labels)


def x_rows(data, names, used):
    """The X1 ... rows for predict(): a frame's columns by the search's X names (only
    those the equation uses must be there), or an array whose columns are X1, X2 ..."""
    if _is_frame(data):
        labels = list(data.index)
        rows = np.full((len(labels), len(names)), np.nan)
        for variable in used:
            name = names[variable - 1]
            position = _position([str(column) for column in data.columns], name, "predict")
            rows[:, variable - 1] = _column_values(data.iloc[:, position], name, labels)
        return rows
    array = np.asarray(data)
    if array.ndim == 1:
        array = array.reshape(-1, 1)
    if array.ndim != 2:
        raise ValueError("predict needs a DataFrame or an array of rows of X1, X2 ...")
    labels = range(array.shape[0])
    columns = [_column_values(array[:, j], f"X{j + 1}", labels) for j in range(array.shape[1])]
    if not columns:
        return np.empty((array.shape[0], 0))
    return np.column_stack(columns)
