"""The exact least-squares fit of a candidate equation, as the program defines it.

Every value of the sheet is taken as the exact binary fraction its double
holds. Term columns and transformed Y that are rational functions of the
data, and the square roots, logarithms, exponentials and back transforms,
are worked out in decimal arithmetic to 120 significant digits; each column
is then an exact integer vector times a power of ten, and the normal
equations of those integers are solved exactly (fraction-free elimination,
then fractions), so a singular design is known for certain. The fitted values
are mapped back to the scale of Y in 120-digit arithmetic, and R squared is
1 - SSE / SST with SST about the mean of the observations mapped to the
transformed scale and back, as the program scores it. A rational form is
fitted through its linearised design and scored by its own equation.
"""

import csv
import sys
from dataclasses import dataclass
from decimal import Context, Decimal, DivisionByZero, Overflow, localcontext
from fractions import Fraction

from equation_text import RATIONAL_DENOMINATOR, RATIONAL_LINEAR, RATIONAL_SQUARE

CONTEXT = Context(prec=120, Emax=10**8, Emin=-(10**8), traps=[DivisionByZero, Overflow])
# The coefficients and fitted values are carried wider, so that the
# cancellation in a sum of large terms leaves 120 digits.
WIDE = Context(prec=200, Emax=10**8, Emin=-(10**8), traps=[DivisionByZero, Overflow])
ZERO_GUARD = Decimal(1e-20)  # the double the program's guards compare with
CUBE_ROOT_POWER = Decimal("0.333333333333")
LARGEST_DOUBLE = Decimal(sys.float_info.max)
SMALLEST_NORMAL_DOUBLE = Decimal(sys.float_info.min)

# Why a candidate has no listable exact fit, or "ok".
OK = "ok"
GUARD = "guard"  # a point fails a guard of a term or of the Y form
UNDEFINED = "undefined"  # a term divides by zero (1/ln X at X = 1)
POINTS = "points"  # more coefficients than points
SINGULAR = "singular"  # the design's columns are linearly dependent
RANGE = "range"  # a column, Y form or coefficient lies outside the range of a double
NOT_POSITIVE = "not-positive"  # R squared is not above 0, or Y is constant


@dataclass
class Sheet:
    y: list  # floats, one a point
    x: dict  # variable number -> floats

    @property
    def points(self):
        return len(self.y)


def read_sheet(path):
    """A sheet from a .csv whose first line names the columns Y, X1, X2 ..."""
    with open(path, newline="") as stream:
        rows = list(csv.reader(stream))
    names = [name.strip() for name in rows[0]]
    values = [[float(field) for field in row] for row in rows[1:] if row]
    columns = {name: [row[k] for row in values] for k, name in enumerate(names)}
    return Sheet(columns["Y"], {int(name[1:]): column for name, column in columns.items() if name != "Y"})


@dataclass
class Fit:
    status: str
    r_squared: Decimal = None
    coefficients: tuple = ()  # Decimal, in column order, the constant last


def _in_double_range(value):
    return value == 0 or SMALLEST_NORMAL_DOUBLE <= abs(value) <= LARGEST_DOUBLE


def _back_transform(set_number, t):
    if set_number == 2:
        return 1 / t if abs(t) > ZERO_GUARD else t
    if set_number == 3:
        return t.sqrt() if t >= 0 else t
    if set_number == 4:
        return t**CUBE_ROOT_POWER if t >= 0 else t
    if set_number == 5:
        return t.exp()
    if set_number == 6:
        return t.ln() if t > 0 else t
    return t


def _transform(set_number, y):
    """The transformed Y of one point, or None when it fails the guard."""
    if set_number == 1:
        return y
    if set_number == 2:
        return 1 / y if abs(y) > ZERO_GUARD else None
    if set_number in (3, 4):
        return y ** (set_number - 1) if y >= 0 else None
    return (y.ln() if set_number == 5 else y.exp()) if y > 0 else None


def _term_value(kind, x, w, ty):
    """One point's value of a term column, or None when it fails the guard."""
    if kind in (1, RATIONAL_LINEAR):
        return x
    if kind in (2, 3, 4, RATIONAL_SQUARE):
        return x ** (2 if kind == RATIONAL_SQUARE else kind)
    if kind in (5, 6, 7, 8):
        return 1 / x ** (kind - 4) if abs(x) > ZERO_GUARD else None
    if kind == 9:
        return x.sqrt() if x >= 0 else None
    if kind in (10, 11, 12):
        if not x > ZERO_GUARD:
            return None
        return 1 / x.sqrt() if kind == 10 else x.ln() if kind == 11 else 1 / x.ln()
    if kind == 13:
        return x.exp()
    if kind == 14:
        return (-x).exp() if abs(x) > ZERO_GUARD else None
    if kind == 15:
        return x * w
    if kind == 16:
        return x / w if abs(w) > ZERO_GUARD else None
    if kind == RATIONAL_DENOMINATOR:
        return x * ty
    raise ValueError(f"no term kind {kind}")


@dataclass
class _Column:
    status: str  # OK, GUARD, UNDEFINED or RANGE
    values: tuple = ()  # Decimal
    integers: tuple = ()  # values = integers * 10**exponent
    exponent: int = 0


def _scaled_integers(values):
    parts = [value.as_tuple() for value in values]
    exponent = min((p.exponent for p in parts if any(p.digits)), default=0)
    integers = []
    for p in parts:
        digits = int("".join(map(str, p.digits)))
        integers.append(0 if digits == 0 else (-1) ** p.sign * digits * 10 ** (p.exponent - exponent))
    return tuple(integers), exponent


def _column(evaluate):
    """A column from the function that computes its values (None at a point
    that fails a guard)."""
    try:
        with localcontext(CONTEXT):
            values = evaluate()
            in_range = None not in values and all(_in_double_range(v) for v in values)
    except DivisionByZero:
        return _Column(UNDEFINED)
    except Overflow:  # beyond even the decimal range, far beyond a double's
        return _Column(RANGE)
    if None in values:
        return _Column(GUARD)
    if not in_range:
        return _Column(RANGE)
    integers, exponent = _scaled_integers(values)
    return _Column(OK, tuple(values), integers, exponent)


class ExactFitter:
    """Fits candidates of one sheet, sharing each column and each product of
    two columns among all the candidates that use them."""

    def __init__(self, sheet):
        self.sheet = sheet
        self._columns = {}
        self._products = {}
        self._observed = {}
        with localcontext(CONTEXT):
            self._y = [Decimal(v) for v in sheet.y]
            self._x = {v: [Decimal(value) for value in column] for v, column in sheet.x.items()}

    def _transformed_y(self, set_number):
        key = ("Y", set_number)
        if key not in self._columns:
            self._columns[key] = _column(lambda: [_transform(set_number, y) for y in self._y])
        return self._columns[key]

    def _term_column(self, term, set_number):
        # Only the rational denominator depends on the Y form.
        key = (term.kind, term.variable, term.variable2, set_number if term.kind == RATIONAL_DENOMINATOR else 0)
        if key not in self._columns:
            ty = self._transformed_y(set_number).values if term.kind == RATIONAL_DENOMINATOR else None
            x = self._x[term.variable]
            w = self._x.get(term.variable2)
            self._columns[key] = _column(
                lambda: [_term_value(term.kind, x[i], w and w[i], ty and ty[i]) for i in range(len(x))])
        return self._columns[key], key

    def _constant(self):
        key = ("constant",)
        if key not in self._columns:
            self._columns[key] = _column(lambda: [Decimal(1)] * self.sheet.points)
        return self._columns[key], key

    def _product(self, a, b):
        key = frozenset((a, b))
        if key not in self._products:
            ca, cb = self._columns[a], self._columns[b]
            self._products[key] = sum(p * q for p, q in zip(ca.integers, cb.integers))
        return self._products[key]

    def _observed_y(self, set_number):
        """Each point's Y mapped to the transformed scale and back, and the
        total sum of squares about their mean."""
        if set_number not in self._observed:
            with localcontext(CONTEXT):
                observed = [_back_transform(set_number, t) for t in self._transformed_y(set_number).values]
                mean = sum(observed) / len(observed)
                self._observed[set_number] = observed, sum((y - mean) ** 2 for y in observed)
        return self._observed[set_number]

    def fit(self, equation):
        if equation.coefficient_count > self.sheet.points:
            return Fit(POINTS)
        ty = self._transformed_y(equation.set_number)
        if ty.status != OK:
            return Fit(ty.status)
        columns = [self._term_column(term, equation.set_number) for term in equation.terms] + [self._constant()]
        for column, _ in columns:
            if column.status != OK:
                return Fit(column.status)
        keys = [key for _, key in columns]
        y_key = ("Y", equation.set_number)
        gram = [[self._product(a, b) for b in keys] + [self._product(a, y_key)] for a in keys]
        solution = _solve(gram)
        if solution is None:
            return Fit(SINGULAR)
        with localcontext(WIDE):
            # The solution belongs to the integer columns: coefficient j of the
            # design is solution j * 10**(exponent of Y - exponent of column j).
            coefficients = [
                (Decimal(s.numerator) / Decimal(s.denominator)).scaleb(ty.exponent - column.exponent)
                for s, (column, _) in zip(solution, columns)
            ]
            if not all(_in_double_range(c) for c in coefficients):
                return Fit(RANGE)
            observed, total = self._observed_y(equation.set_number)
            if total == 0:
                return Fit(NOT_POSITIVE)
            try:
                fitted = self._fitted(equation, [column for column, _ in columns], coefficients)
                with localcontext(CONTEXT):
                    residual = sum(
                        (y - _back_transform(equation.set_number, +f)) ** 2 for y, f in zip(observed, fitted)
                    )
                    r_squared = 1 - residual / total
            except DivisionByZero:  # a rational form's pole at a data point
                return Fit(UNDEFINED)
            except Overflow:
                return Fit(NOT_POSITIVE)
        return Fit(OK if r_squared > 0 else NOT_POSITIVE, r_squared, tuple(coefficients))

    def coefficient_scales(self, equation):
        """For each coefficient, the size at which its term would matter as
        much as the whole transformed Y: |TY| / |column|, as root mean squares."""
        ty = self._transformed_y(equation.set_number)
        columns = [self._term_column(term, equation.set_number)[0] for term in equation.terms] + [self._constant()[0]]
        with localcontext(CONTEXT):
            size = sum(v * v for v in ty.values).sqrt()
            return [size / sum(v * v for v in column.values).sqrt() for column in columns]

    def _fitted(self, equation, columns, coefficients):
        """Each point's fitted value on the transformed scale, to the wide
        precision: a sum whose terms cancel keeps 120 digits and more."""
        points = range(self.sheet.points)
        if equation.rational:
            a, b, c = coefficients
            u = columns[0].values
            x = self._x[equation.terms[1].variable]
            return [(a * u[i] + c) / (1 - b * x[i]) for i in points]
        return [sum(column.values[i] * c for column, c in zip(columns, coefficients)) for i in points]


def _solve(augmented):
    """The exact solution of an integer system [A | b] with A symmetric and
    positive semidefinite, or None when A is singular. Fraction-free
    elimination keeps every entry an integer; a zero pivot of such a matrix
    means it is singular."""
    m = len(augmented)
    rows = [list(row) for row in augmented]
    previous = 1
    for k in range(m):
        pivot = rows[k][k]
        if pivot == 0:
            return None
        for i in range(k + 1, m):
            for j in range(k + 1, m + 1):
                rows[i][j] = (rows[i][j] * pivot - rows[i][k] * rows[k][j]) // previous
            rows[i][k] = 0
        previous = pivot
    solution = [Fraction(0)] * m
    for i in reversed(range(m)):
        remainder = rows[i][m] - sum(rows[i][j] * solution[j] for j in range(i + 1, m))
        solution[i] = Fraction(remainder) / rows[i][i]
    return solution
