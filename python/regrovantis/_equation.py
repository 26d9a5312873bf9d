"""One equation of a search's list, re-created on demand for its statistics, code and values."""

import html
import re
from dataclasses import dataclass

from . import _core, _data


@dataclass(frozen=True)
class SearchContext:
    """What fixes a list's ordinals and its fits: the rows searched and the options."""

    table: _data.Table
    max_terms: int
    sets: tuple

    def fit(self, ordinal):
        return _core.FittedEquation(self.table.rows, self.max_terms, list(self.sets), ordinal)

    @property
    def x_names(self):
        return self.table.names[1:]


class Equation:
    """An entry of a search's list: its text, ordinal and criteria at once; its
    coefficients, values, statistics and code from a fit that is made once, when
    first asked for, exactly as the program re-creates a chosen equation."""

    def __init__(self, context, rank, entry):
        self._context = context
        self._fitted = None
        self.rank = rank
        (self.r_squared, self.r_squared_text, self.ordinal, self.text, self.k, self.adjusted_r_squared, self.aicc,
         self.bic) = entry

    def __repr__(self):
        return f"<Equation {self.ordinal}: {self.text}  R squared {self.r_squared:.6f}>"

    def _fit(self):
        if self._fitted is None:
            self._fitted = self._context.fit(self.ordinal)
        return self._fitted

    @property
    def coefficients(self):
        """The coefficients by letter ("a", "b" ... the constant last), as the code names them."""
        fitted = self._fit()
        return dict(zip(fitted.letters, fitted.coefficients))

    def predict(self, data):
        """Y of the equation at every row of data: a DataFrame (the X columns by the names
        searched) or an array whose columns are X1, X2 ...; NaN where the equation has no
        value. A Series with the frame's index for a frame, else an array."""
        fitted = self._fit()
        rows = _data.x_rows(data, self._context.x_names, fitted.variables)
        values = fitted.predict(rows)
        if _data._is_frame(data):
            import pandas as pd

            return pd.Series(values, index=data.index, name=self._context.table.names[0])
        return values

    def statistics(self):
        """The figures the Equation Statistics dialog and `regrovantis-cli stats --json` give:
        the criteria as numbers, "terms" (coefficient, std_error, t, p_value and the 95 %
        interval by term) and "anova" (df, ss, ms) as DataFrames. NaN where undefined."""
        import pandas as pd

        s = self._fit().statistics()
        terms = pd.DataFrame({
            "coefficient": s["coefficients"],
            "std_error": s["coef_std_errors"],
            "t": s["t_stats"],
            "p_value": s["p_values"],
            "ci95_lower": [lower for lower, _ in s["coef_ci95"]],
            "ci95_upper": [upper for _, upper in s["coef_ci95"]],
        }, index=pd.Index(s["term_labels"], name="term"))
        anova = pd.DataFrame(list(s["anova"]), columns=["df", "ss", "ms"],
                             index=pd.Index(["regress", "residual", "total"], name="source"))
        figures = {key: s[key] for key in ("equation", "ordinal", "r_squared", "std_error", "std_dev",
                                           "adjusted_r_squared", "f_stat", "f_p_value", "aicc", "bic",
                                           "residual_std_error")}
        figures["terms"] = terms
        figures["anova"] = anova
        return figures

    def residuals(self):
        """Every point's observed and calculated Y, their difference and the difference in
        per cent of the observed, as the statistics' residual list gives them."""
        import pandas as pd

        s = self._fit().statistics()
        return pd.DataFrame({"y_obs": s["y_obs"], "y_calc": s["y_calc"], "difference": s["difference"],
                             "pct_diff": s["pct_diff"]},
                            index=pd.RangeIndex(1, len(s["y_obs"]) + 1, name="n"))

    def code(self, language="c"):
        """The function the program writes for the equation: "basic", "c", "cpp" or "fortran"."""
        return self._fit().code(language)

    def to_sympy(self):
        """The equation as a SymPy expression of the X columns' names, its coefficients as
        Floats of their exact values (needs sympy)."""
        import sympy

        fitted = self._fit()
        body = fitted.c_expression()
        right = body.split("=", 1)[1].strip().rstrip(";")
        names = {letter: sympy.Float(value) for letter, value in zip(fitted.letters, fitted.coefficients)}
        for variable in fitted.variables:
            names[f"x{variable}"] = sympy.Symbol(self._context.x_names[variable - 1])
        names.update(pow=sympy.Pow, exp=sympy.exp, log=sympy.log, sqrt=sympy.sqrt, cbrt=_real_cube_root(sympy))
        # Each variable and letter is replaced by name; the text is the program's own C.
        return sympy.sympify(re.sub(r"\bX(\d+)\b", r"x\1", right), locals=names)

    def _repr_html_(self):
        rows = "".join(f"<tr><td>{html.escape(name)}</td><td>{value:.10g}</td></tr>"
                       for name, value in self.coefficients.items())
        return (f"<div><p><b>{html.escape(self.text)}</b> (ordinal {self.ordinal})</p>"
                f"<p>R² = {self.r_squared:.6f}, adjusted R² = {self.adjusted_r_squared:.6f}, "
                f"AICc = {self.aicc:.4f}, BIC = {self.bic:.4f}, k = {self.k}</p>"
                f"<table><tr><th>coefficient</th><th>value</th></tr>{rows}</table></div>")


def _real_cube_root(sympy):
    return lambda value: sympy.sign(value) * sympy.Abs(value) ** sympy.Rational(1, 3)

