"""The search's progress: a tqdm bar where tqdm is installed, else a line on standard error."""

import sys
import time


class ProgressLine:
    """Redraws one line on standard error, at most twice a second."""

    def __init__(self):
        self._shown = 0.0

    def __call__(self, done, total):
        now = time.monotonic()
        if now - self._shown < 0.5 and done < total:
            return
        self._shown = now
        percent = 100.0 * done / total if total else 100.0
        sys.stderr.write(f"\rregrovantis: {done} of {total} candidates ({percent:5.1f} %)")
        sys.stderr.flush()

    def close(self):
        sys.stderr.write("\n")
        sys.stderr.flush()


class ProgressBar:
    """A tqdm bar over the candidates."""

    def __init__(self, tqdm):
        self._bar = tqdm(total=0, unit=" candidates", unit_scale=True, desc="regrovantis")

    def __call__(self, done, total):
        if total and self._bar.total != total:
            self._bar.total = total
        self._bar.update(done - self._bar.n)

    def close(self):
        self._bar.close()


def make_progress():
    try:
        from tqdm.auto import tqdm
    except ImportError:
        return ProgressLine()
    return ProgressBar(tqdm)
