"""The module gives what regrovantis-cli gives for the same data and options, to the bit."""

import math
import os

import numpy as np
import pytest

import regrovantis
from conftest import SOURCE_DIR, TEST_SHEETS, cli_json, run_cli, write_sheet_csv

ENTRY_FIELDS = ["r_squared", "r_squared_text", "ordinal", "equation", "k", "adjusted_r_squared", "aicc", "bic"]
COUNT_FIELDS = ["candidates", "examined", "outside_range", "cannot_be_resolved", "stopped"]


def same_number(a, b):
    """Equal to the bit; the tool writes a number that is not finite as null."""
    if b is None:
        return isinstance(a, float) and not math.isfinite(a)
    return a == b


def tool_options(max_terms=5, sets=None, rank_by="r2", top=1000):
    words = ["--max-terms", max_terms, "--rank-by", rank_by, "--top", top]
    return words + (["--sets", ",".join(map(str, sets))] if sets else [])


SEARCHES = [
    # (sheet, module options)
    ("example", {}),
    ("example", {"max_terms": 3, "sets": [1, 5], "rank_by": "aicc", "top": 50}),
    ("example", {"rank_by": "adj-r2", "threads": 1}),
    ("power_law", {"max_terms": 4, "rank_by": "bic"}),
    ("signed", {}),
    ("collinear", {"max_terms": 3, "sets": [1, 2, 3]}),
]


def sheet_and_file(name, example_frame, tmp_path):
    if name == "example":
        return example_frame, SOURCE_DIR / "examples" / "ideal_gas.csv"
    rows = TEST_SHEETS[name]
    return rows, write_sheet_csv(tmp_path / f"{name}.csv", rows)


@pytest.mark.parametrize("sheet,options", SEARCHES)
def test_search_gives_the_tools_list(sheet, options, example_frame, tmp_path):
    data, path = sheet_and_file(sheet, example_frame, tmp_path)
    result = regrovantis.search(data, **options)
    tool_words = {key: value for key, value in options.items() if key != "threads"}
    expected = cli_json("search", path, "--json", "--quiet", *tool_options(**tool_words))
    assert [getattr(result, field) for field in COUNT_FIELDS] == [expected[field] for field in COUNT_FIELDS]
    assert len(result) == len(expected["equations"]) > 0
    for equation, entry in zip(result, expected["equations"]):
        module_entry = [equation.r_squared, equation.r_squared_text, equation.ordinal, equation.text, equation.k,
                        equation.adjusted_r_squared, equation.aicc, equation.bic]
        for field, mine, theirs in zip(ENTRY_FIELDS, module_entry, [entry[f] for f in ENTRY_FIELDS]):
            assert same_number(mine, theirs), (field, equation.rank, mine, theirs)
    frame = result.to_pandas()
    assert list(frame.columns) == ["rank", "r_squared", "adjusted_r_squared", "aicc", "bic", "k", "ordinal", "equation"]
    assert list(frame["ordinal"]) == [entry["ordinal"] for entry in expected["equations"]]


def test_a_data_file_searches_as_the_tool_searches_it():
    frame = regrovantis.read_rvd(SOURCE_DIR / "examples" / "ideal_gas.rvd")
    result = regrovantis.search(frame, max_terms=frame.attrs["max_terms"], sets=frame.attrs["sets"], top=20)
    expected = cli_json("search", SOURCE_DIR / "examples" / "ideal_gas.rvd", "--json", "--quiet", "--top", 20)
    assert [(e.ordinal, e.r_squared) for e in result] == [(e["ordinal"], e["r_squared"]) for e in expected["equations"]]


@pytest.mark.parametrize("sheet,ranks", [("example", [1, 2, 40, 300]), ("power_law", [1, 7]), ("signed", [1, 3])])
def test_statistics_and_code_are_the_tools(sheet, ranks, example_frame, tmp_path):
    data, path = sheet_and_file(sheet, example_frame, tmp_path)
    result = regrovantis.search(data)
    for rank in ranks:
        equation = result[rank - 1]
        stats = cli_json("stats", path, "--ordinal", equation.ordinal, "--json")
        mine = equation.statistics()
        for key in ["equation", "ordinal", "r_squared", "std_error", "std_dev", "adjusted_r_squared", "f_stat",
                    "f_p_value", "aicc", "bic", "residual_std_error"]:
            assert same_number(mine[key], stats[key]), (key, mine[key], stats[key])
        terms = mine["terms"]
        assert list(terms.index) == stats["term_labels"]
        columns = {"coefficient": stats["coefficients"], "std_error": stats["coef_std_errors"], "t": stats["t_stats"],
                   "p_value": stats["p_values"], "ci95_lower": [ci[0] for ci in stats["coef_ci95"]],
                   "ci95_upper": [ci[1] for ci in stats["coef_ci95"]]}
        for column, values in columns.items():
            assert all(map(same_number, terms[column], values)), column
        assert list(equation.coefficients.values()) == stats["coefficients"]
        anova = mine["anova"]
        for source in ["regress", "residual", "total"]:
            for field in stats["anova"][source]:
                assert same_number(anova.loc[source, field], stats["anova"][source][field]), (source, field)
        residuals = equation.residuals()
        for field in ["y_obs", "y_calc", "difference", "pct_diff"]:
            assert all(map(same_number, residuals[field], [r[field] for r in stats["residuals"]])), field
        for language in ["basic", "c", "cpp", "fortran"]:
            tool = run_cli("code", path, "--ordinal", equation.ordinal, "--lang", language).stdout
            assert equation.code(language) == tool, language


GRAPH_SHEETS = {
    "curve": np.column_stack([np.linspace(1.0, 9.0, 17) ** 0.5 * 3.0 + 0.01 * np.sin(np.arange(17)),
                              np.linspace(1.0, 9.0, 17)]),
    "signed_curve": np.column_stack([np.linspace(-2.0, 3.0, 12) ** 2 + 1.0 + 0.05 * np.cos(np.arange(12)),
                                     np.linspace(-2.0, 3.0, 12)]),
}


@pytest.mark.skipif(not os.environ.get("REGROVANTIS_GRAPH_TOOL"), reason="this build has no graph tool")
@pytest.mark.parametrize("sheet", GRAPH_SHEETS)
def test_predict_gives_the_graphs_values(sheet, tmp_path):
    rows = GRAPH_SHEETS[sheet]
    path = write_sheet_csv(tmp_path / "curve.csv", rows)
    result = regrovantis.search(rows, top=200)
    for equation in result[::20]:
        done = run_cli("graph", path, "--ordinal", equation.ordinal, "--vars", "X1", "--data")
        lines = [line.split("\t") for line in done.stdout.replace("\r", "").splitlines()[1:]]
        assert len(lines) == 21
        x = np.array([float(line[0]) for line in lines])
        expected = np.array([float(line[1]) if line[1] else np.nan for line in lines])
        predicted = equation.predict(x.reshape(-1, 1))
        assert np.array_equal(predicted, expected, equal_nan=True), equation.text


@pytest.mark.parametrize("variables,max_terms,sets", [(1, 5, None), (3, 5, None), (4, 3, [2, 5]), (15, 2, [6])])
def test_count_and_equation_are_the_tools(variables, max_terms, sets):
    words = ["--vars", variables, "--max-terms", max_terms] + (["--sets", ",".join(map(str, sets))] if sets else [])
    lines = run_cli("count", *words).stdout.splitlines()
    by_set = {int(line.split()[1].rstrip(":")): int(line.split()[-1]) for line in lines[:-1]}
    assert regrovantis.count(variables, max_terms, sets, by_set=True) == by_set
    total = regrovantis.count(variables, max_terms, sets)
    assert total == int(lines[-1].split()[-1])
    for ordinal in sorted({1, 2, total // 3, total // 2 + 1, total}):
        assert regrovantis.equation(ordinal, variables, max_terms, sets) == run_cli(
            "equation", ordinal, *words).stdout.rstrip("\n")
