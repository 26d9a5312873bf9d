"""Reads an equation text of the program back into its Y form and its terms.

The text names every term of a candidate the program can build (a term it
can never build, a two-variable kind on the last variable, is left out of
the text, and list_candidates marks such candidates apart). Parsing is
strict: the terms read must give back the text character for character.
"""

import re
from dataclasses import dataclass

# The Y form of each head, by its set number.
HEADS = {"Y =": 1, "1/Y =": 2, "Y^2 =": 3, "Y^3 =": 4, "ln(Y) =": 5, "exp(Y) =": 6}

# Kinds 1 to 16 of the term library; 17 and 18 are the rational numerators
# X and X^2, 19 the rational denominator X times the transformed Y.
RATIONAL_LINEAR, RATIONAL_SQUARE, RATIONAL_DENOMINATOR = 17, 18, 19

# Each ordinary kind's text after the coefficient letter, with {v} and {w}
# for the variables.
_KIND_TEXTS = {
    1: "X{v}", 2: "X{v}^2", 3: "X{v}^3", 4: "X{v}^4",
    5: "/X{v}", 6: "/X{v}^2", 7: "/X{v}^3", 8: "/X{v}^4",
    9: " sqr(X{v})", 10: "/sqr(X{v})", 11: " ln(X{v})", 12: "/ln(X{v})",
    13: " e^X{v}", 14: "/exp(X{v})", 15: " X{v} X{w}", 16: " X{v}/X{w}",
}
_KIND_PATTERNS = [
    (kind, re.compile(re.escape(text).replace(r"\{v\}", r"(?P<v>\d+)").replace(r"\{w\}", r"(?P<w>\d+)")))
    for kind, text in _KIND_TEXTS.items()
]
_RATIONAL = re.compile(r" \(aX(?P<v>\d+)(?P<square>\^2)? \+ c\) / \(1 - bX(?P<w>\d+)\)   ")


@dataclass(frozen=True)
class Term:
    kind: int
    variable: int
    variable2: int = 0


@dataclass(frozen=True)
class Equation:
    set_number: int
    rational: bool
    terms: tuple  # Term, in column order; the constant column follows

    @property
    def coefficient_count(self):
        return len(self.terms) + 1


def _term_text(term, letter):
    return " " + letter + _KIND_TEXTS[term.kind].format(v=term.variable, w=term.variable2) + " +"


def equation_text(equation):
    """The program's text of an equation."""
    head = next(text for text, number in HEADS.items() if number == equation.set_number)
    if equation.rational:
        numerator, denominator = equation.terms
        square = "^2" if numerator.kind == RATIONAL_SQUARE else ""
        return f"{head} (aX{numerator.variable}{square} + c) / (1 - bX{denominator.variable})   "
    letters = "abcdefghijklmnopqrst"
    body = "".join(_term_text(term, letters[j]) for j, term in enumerate(equation.terms))
    return f"{head}{body} {letters[len(equation.terms)]}"


def parse_equation(text):
    """The equation a text names; ValueError when the text is not one the program makes."""
    head = next((h for h in sorted(HEADS, key=len, reverse=True) if text.startswith(h)), None)
    if head is None:
        raise ValueError(f"no Y form at the start of {text!r}")
    set_number, rest = HEADS[head], text[len(head):]
    rational = _RATIONAL.fullmatch(rest)
    if rational:
        v, w = int(rational["v"]), int(rational["w"])
        kind = RATIONAL_SQUARE if rational["square"] else RATIONAL_LINEAR
        equation = Equation(set_number, True, (Term(kind, v, w), Term(RATIONAL_DENOMINATOR, w)))
    else:
        terms = []
        letters = "abcdefghijklmnopqrst"
        while not rest == " " + letters[len(terms)]:
            term = _next_term(rest, letters[len(terms)])
            if term is None:
                raise ValueError(f"cannot read the terms of {text!r} at {rest!r}")
            terms.append(term[0])
            rest = rest[term[1]:]
        equation = Equation(set_number, False, tuple(terms))
    if equation_text(equation) != text:
        raise ValueError(f"{text!r} reads back as {equation_text(equation)!r}")
    return equation


def _next_term(rest, letter):
    """The term at the start of rest and the length of its text, or None."""
    prefix = " " + letter
    if not rest.startswith(prefix):
        return None
    for kind, pattern in _KIND_PATTERNS:
        match = pattern.match(rest, len(prefix))
        if match and rest.startswith(" +", match.end()):
            groups = match.groupdict()
            term = Term(kind, int(groups["v"]), int(groups.get("w") or 0))
            return term, match.end() + 2
    return None
