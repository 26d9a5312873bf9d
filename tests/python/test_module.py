"""What the module adds around the engine: checked input, the interrupt, SymPy, data files."""

import os
import signal
import subprocess
import sys
import threading
import time

import numpy as np
import pandas as pd
import pytest

import regrovantis
from conftest import SOURCE_DIR, TEST_SHEETS, law_sheet


def frame(**columns):
    return pd.DataFrame(columns)


GOOD = {"Y": [1.0, 2.0, 3.5, 4.1], "X1": [1.0, 2.0, 3.0, 4.0]}

BAD_INPUTS = [
    # (data, keyword arguments, words the ValueError must hold)
    (frame(Y=[1.0, 2.0, 3.0], X1=["1", "b", "3"]), {}, ["'X1'", "row 0", "'1' is not a number"]),
    (frame(Y=[1.0, 2.0, 3.0], X1=[1.0, True, 3.0]), {}, ["'X1'", "row 1"]),
    (frame(Y=[1.0, np.nan, 3.0], X1=[1.0, 2.0, 3.0]), {}, ["'Y'", "row 1", "nan"]),
    (frame(Y=[1.0, 2.0, 3.0], X1=[1.0, 2.0, np.inf]), {}, ["'X1'", "row 2", "inf"]),
    (pd.DataFrame(GOOD, index=["a", "b", "c", "d"]).assign(X1=[1.0, 2.0, -np.inf, 4.0]), {}, ["'X1'", "row 'c'"]),
    (frame(Y=[1.0, 2.0], X1=[1.0, regrovantis._core.EMPTY_VALUE]), {}, ["'X1'", "row 1", "empty cell"]),
    (frame(Y=[1.0], X1=[2.0]), {}, ["1 rows", "at least 2"]),
    (frame(**GOOD), {"y": "P"}, ["no column 'P'", "'Y', 'X1'"]),
    (frame(**GOOD), {"x": ["X1", "T"]}, ["no column 'T'"]),
    (frame(**GOOD), {"x": ["X1", "X1"]}, ["more than once"]),
    (frame(**GOOD), {"x": ["Y"]}, ["the Y column 'Y'"]),
    (frame(**{"Y": [1.0, 2.0], **{f"T{k}": [1.0, 2.0] for k in range(17)}}), {}, ["17 columns besides Y", "at most 16"]),
    (frame(**{"Y": [1.0, 2.0], **{f"T{k}": [1.0, 2.0] for k in range(17)}}), {"x": [f"T{k}" for k in range(17)]},
     ["17 X columns", "at most 16"]),
    (np.ones((3, 18)), {}, ["17 X columns", "at most 16"]),
    (np.ones(5), {}, ["2-D array"]),
    (np.array([[1.0, 2.0], [3.0, np.nan]]), {}, ["'X1'", "row 1"]),
    (frame(Y=[1.0, 2.0]), {}, ["no X column"]),
    (frame(**GOOD), {"max_terms": 0}, ["max_terms", "1 to 20"]),
    (frame(**GOOD), {"sets": [7]}, ["sets", "1 to 6"]),
    (frame(**GOOD), {"rank_by": "r3"}, ["rank_by", "'r3'"]),
    (frame(**GOOD), {"top": 0}, ["top", "1 to 1000"]),
    (frame(**GOOD), {"threads": 0}, ["threads", "1 to 256"]),
]


@pytest.mark.parametrize("data,options,words", BAD_INPUTS)
def test_bad_input_is_a_value_error_that_says_where(data, options, words):
    with pytest.raises(ValueError) as raised:
        regrovantis.search(data, **options)
    for word in words:
        assert word in str(raised.value)


def test_arrays_are_copied_never_changed():
    rows = TEST_SHEETS["power_law"].copy()
    kept = rows.copy()
    result = regrovantis.search(rows, top=5)
    result[0].statistics()
    rows[:, 0] = 0.0
    assert np.array_equal(TEST_SHEETS["power_law"], kept)
    assert np.array_equal(result[0].residuals()["y_obs"], kept[:, 0])


def test_columns_are_taken_by_name_as_the_import_dialog_takes_them():
    rows = TEST_SHEETS["power_law"]
    named = pd.DataFrame({"t": rows[:, 1], "v": rows[:, 2], "p": rows[:, 0], "n": rows[:, 3]})
    by_position = regrovantis.search(rows, top=10)
    chosen = regrovantis.search(named, y="p", x=["t", "v", "n"], top=10)
    assert [e.ordinal for e in chosen] == [e.ordinal for e in by_position]
    # Y named in any case is Y, and the other columns are X1, X2 ... in order.
    assert [e.ordinal for e in regrovantis.search(named.rename(columns={"p": "y"})[["t", "y", "v", "n"]],
                                                  top=10)] == [e.ordinal for e in chosen]
    assert chosen[0].predict(named).name == "p"
    assert np.array_equal(chosen[0].predict(named), by_position[0].predict(rows[:, 1:]))


def test_predict_is_nan_where_the_equation_has_no_value():
    rows = law_sheet(20, 1, 5, lambda x: np.log(x[:, 0]) + 2.0)
    result = regrovantis.search(rows, sets=[1])
    logarithmic = next(e for e in result if e.text == "Y = a ln(X1) + b")
    values = logarithmic.predict(np.array([[-1.0], [0.0], [np.nan], [2.0]]))
    assert np.isnan(values[:3]).all() and np.isfinite(values[3])


def test_to_sympy_gives_the_values_of_predict():
    sympy = pytest.importorskip("sympy")
    rows = law_sheet(30, 2, 7, lambda x: 1.0 / (0.3 + 0.2 * x[:, 0] + 0.1 * np.sqrt(x[:, 1])))
    names = ["Y", "temp", "flow"]
    data = pd.DataFrame(rows, columns=names)
    checked, compared = set(), 0
    for sets in [[1], [2], [3], [4], [5], [6]]:
        for equation in regrovantis.search(data, sets=sets, top=300)[::15]:
            expression = equation.to_sympy()
            symbols = [sympy.Symbol(name) for name in names[1:]]
            evaluate = sympy.lambdify(symbols, expression, modules="mpmath")
            predicted = equation.predict(data)
            for row, value in zip(rows[:8], predicted[:8]):
                if not np.isfinite(value):
                    continue
                exact = complex(evaluate(*row[1:]))
                assert abs(exact.imag) <= 1e-12 * abs(value)
                assert abs(exact.real - value) <= 1e-12 * abs(value), equation.text
                compared += 1
            checked.add(equation.text.split("=")[0])
    assert len(checked) == 6 and compared > 300


def test_data_files_keep_the_sheet(tmp_path):
    example = regrovantis.read_rvd(SOURCE_DIR / "examples" / "ideal_gas.rvd")
    csv = pd.read_csv(SOURCE_DIR / "examples" / "ideal_gas.csv", float_precision="round_trip")
    assert np.array_equal(example.to_numpy(), csv.to_numpy())
    data = pd.DataFrame({"Pressure": [1.0, 2.0, np.nan, 4.5], "temperature": [0.5, 0.25, 3.0, np.nan]})
    path = tmp_path / "sheet.rvd"
    regrovantis.write_rvd(path, data, y="Pressure", max_terms=3, sets=[1, 5])
    back = regrovantis.read_rvd(path)
    assert list(back.columns) == ["Pressure", "temperat"]
    assert np.array_equal(back.to_numpy(), data.to_numpy(), equal_nan=True)
    assert (back.attrs["max_terms"], back.attrs["sets"]) == (3, (1, 5))
    kept = path.read_bytes()
    for bad, error in [((tmp_path, data), OSError), ((path, data.assign(temperature=np.inf)), ValueError),
                       ((tmp_path / "none" / "x.rvd", data), OSError)]:
        with pytest.raises(error):
            regrovantis.write_rvd(*bad)
    assert path.read_bytes() == kept
    (tmp_path / "broken.rvd").write_bytes(b"not a data file")
    with pytest.raises(OSError, match="broken.rvd"):
        regrovantis.read_rvd(tmp_path / "broken.rvd")


def long_search_rows():
    """A sheet whose search of eight terms takes seconds: fifteen variables."""
    return law_sheet(60, 15, 11, lambda x: x[:, 0] * x[:, 1] + np.log(x[:, 2]) + x[:, 3] ** 2)


def interrupt_after(seconds):
    """Sends this process Ctrl+C's signal from another thread, as a user at the terminal would."""
    sent = {}

    def send():
        time.sleep(seconds)
        sent["time"] = time.monotonic()
        os.kill(os.getpid(), signal.SIGINT)

    threading.Thread(target=send, daemon=True).start()
    return sent


def stop_a_long_search():
    sent = interrupt_after(0.5)
    with pytest.raises(KeyboardInterrupt) as raised:
        regrovantis.search(long_search_rows(), max_terms=8, threads=2)
    return raised.value, time.monotonic() - sent["time"]


def test_ctrl_c_stops_the_search_with_what_it_found():
    interrupted, _ = stop_a_long_search()
    assert isinstance(interrupted, regrovantis.SearchInterrupted)
    result = interrupted.result
    assert result.stopped and 0 < result.examined < result.candidates
    assert len(result) > 0
    merits = [e.r_squared for e in result]
    assert merits == sorted(merits, reverse=True)
    assert result[0].statistics()["r_squared"] == result[0].r_squared


@pytest.mark.timing
def test_ctrl_c_stops_the_search_within_half_a_second():
    _, seconds = stop_a_long_search()
    assert seconds < 0.5


def test_progress_reports_on_standard_error(capfd):
    regrovantis.search(TEST_SHEETS["power_law"], progress=True, top=1)
    assert "candidates" in capfd.readouterr().err


def test_quickstart_runs():
    environment = dict(os.environ, MPLBACKEND="Agg")
    done = subprocess.run([sys.executable, str(SOURCE_DIR / "examples" / "python_quickstart.py")],
                          capture_output=True, text=True, env=environment, timeout=300)
    assert done.returncode == 0, done.stderr
    assert "ln(Y) = a ln(X1) + b ln(X2) + c ln(X3) + d" in done.stdout


def test_a_sixteenth_x_column_takes_no_part_and_a_warning_says_so():
    rows = np.random.default_rng(1).uniform(1.0, 2.0, size=(30, 17))
    with pytest.warns(UserWarning, match="X16 takes no part"):
        result = regrovantis.search(rows, max_terms=1, sets=[1], top=1)
    assert result.candidates == regrovantis.count(15, 1, [1])
