#!/usr/bin/env python3
"""Regrovantis from Python, cell by cell as in a notebook, on the bundled example.

Run it from the build tree with  PYTHONPATH=build/python python3 examples/python_quickstart.py
or anywhere once `make install` has put the module where Python finds it.
"""
from pathlib import Path

import pandas as pd

import regrovantis

# %% The readings: pressure (kPa) against temperature (K), volume (L) and amount (mol).
here = Path(__file__).resolve().parent
readings = pd.read_csv(here / "ideal_gas.csv", float_precision="round_trip").rename(
    columns={"Y": "pressure", "X1": "temp", "X2": "volume", "X3": "amount"})

# %% Search every candidate equation of pressure on the three others; keep the best 100.
result = regrovantis.search(readings, y="pressure", x=["temp", "volume", "amount"], top=100)
print(result)
print(result.to_pandas().head(5).to_string(index=False))

# %% The best equation: its coefficients, statistics and residuals.
best = result[0]
print(best.text)
print(best.coefficients)
statistics = best.statistics()
print(statistics["terms"].to_string())
print(f"R squared {statistics['r_squared']:.6f}, F {statistics['f_stat']:.1f}, AICc {statistics['aicc']:.2f}")
print(best.residuals().head(3).to_string())

# %% Predict new conditions, and the same list ranked by AICc.
conditions = pd.DataFrame({"temp": [300.0, 350.0], "volume": [10.0, 20.0], "amount": [1.0, 1.5]})
print(best.predict(conditions).to_string())
by_aicc = regrovantis.search(readings, y="pressure", rank_by="aicc", top=3)
print(by_aicc.to_pandas()[["rank", "aicc", "equation"]].to_string(index=False))

# %% The equation as a C function and, where SymPy is installed, as an expression.
print(best.code("c"))
try:
    print(best.to_sympy())
except ImportError:
    print("(install python3-sympy for to_sympy())")
