"""The list a search leaves: a sequence of equations, best first, with its counts."""

from collections.abc import Sequence

from ._equation import Equation


class SearchResult(Sequence):
    """The best equations of a search, best first by its criterion (rank_by), with
    the search's counts: candidates (the whole sequence), examined, the candidates
    refused as outside_range or cannot_be_resolved (refused, both), and stopped
    (True when Ctrl+C ended the search before it examined them all)."""

    def __init__(self, context, outcome, rank_by):
        self._equations = [Equation(context, rank, entry) for rank, entry in
                           enumerate(outcome["equations"], start=1)]
        self.rank_by = rank_by
        self.candidates = outcome["candidates"]
        self.examined = outcome["examined"]
        self.outside_range = outcome["outside_range"]
        self.cannot_be_resolved = outcome["cannot_be_resolved"]
        self.refused = self.outside_range + self.cannot_be_resolved
        self.stopped = outcome["stopped"]

    def __getitem__(self, index):
        return self._equations[index]

    def __len__(self):
        return len(self._equations)

    def __repr__(self):
        best = f", best {self._equations[0].text}" if self._equations else ""
        return (f"<SearchResult: {len(self)} equations of {self.candidates} candidates"
                f"{' (stopped)' if self.stopped else ''}{best}>")

    def to_pandas(self):
        """One row per equation: rank, r_squared, adjusted_r_squared, aicc, bic, k, ordinal, equation."""
        import pandas as pd

        columns = ["rank", "r_squared", "adjusted_r_squared", "aicc", "bic", "k", "ordinal", "equation"]
        return pd.DataFrame([(e.rank, e.r_squared, e.adjusted_r_squared, e.aicc, e.bic, e.k, e.ordinal, e.text)
                             for e in self._equations], columns=columns)

    def _repr_html_(self):
        head = f"<p>{len(self)} equations of {self.candidates} candidates, ranked by {self.rank_by}"
        head += " (stopped)</p>" if self.stopped else "</p>"
        return head + self.to_pandas().head(20).to_html(index=False)


class SearchInterrupted(KeyboardInterrupt):
    """Ctrl+C stopped a search: .result holds the list it had found."""

    def __init__(self, result):
        super().__init__(f"the search was stopped after {result.examined} of {result.candidates} candidates")
        self.result = result
