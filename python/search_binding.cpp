#include "python/search_binding.h"

#include <pybind11/stl.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "python/sheet_rows.h"
#include "regress/search_run.h"

namespace rv::python {

namespace py = pybind11;

namespace {

// A Ctrl+C must stop the search within half a second: the interpreter
// looks at its signals this often.
constexpr std::chrono::milliseconds kSignalCheck{100};

py::tuple EntryTuple(const EquationRecord& record) {
  const ResidualScore& score = record.score;
  return py::make_tuple(record.rSquared, record.rSquaredText, record.ordinal, record.text, score.coefficients,
                        score.value(RankingCriterion::AdjustedRSquared), score.value(RankingCriterion::Aicc),
                        score.value(RankingCriterion::Bic));
}

py::dict OutcomeDict(const SearchOutcome& outcome, std::int64_t examined, int top, bool interrupted) {
  py::list equations;
  const std::vector<int> order = outcome.list.sortOrder();
  for (int i = 0; i < static_cast<int>(order.size()) && i < top; ++i)
    equations.append(EntryTuple(outcome.list.slot(order[static_cast<size_t>(i)])));
  py::dict result;
  result["equations"] = equations;
  result["candidates"] = outcome.candidateCount;
  result["examined"] = examined;
  result["outside_range"] = outcome.refusals.outsideRange;
  result["cannot_be_resolved"] = outcome.refusals.unresolved;
  result["stopped"] = outcome.stopped;
  result["interrupted"] = interrupted;
  return result;
}

RankingCriterion CriterionOfKey(const std::string& key) {
  if (const std::optional<RankingCriterion> criterion = RankingCriterionFromKey(key)) return *criterion;
  throw py::value_error("rank_by must be 'r2', 'adj-r2', 'aicc' or 'bic', not '" + key + "'");
}

py::dict Search(const RowArray& rows, int maxTerms, const std::vector<int>& sets, const std::string& rankBy, int top,
                int threads, const py::object& progress) {
  if (top < 1 || top > EquationList::kCapacity)
    throw py::value_error("top must be from 1 to 1000, not " + std::to_string(top));
  if (threads < 1 || threads > 256)
    throw py::value_error("threads must be from 1 to 256, not " + std::to_string(threads));
  SearchRequest request;
  request.criterion = CriterionOfKey(rankBy);
  const DocumentOptions options = SearchOptions(maxTerms, sets);
  request.data = TakeSearchSnapshot(SheetOfRows(rows));
  if (request.data.pointCount < 2) throw py::value_error("a search needs at least two points");
  if (request.data.variableCount() == 0) throw py::value_error("a search needs at least one X column");
  request.shape = MakeSearchShape(request.data, options);
  request.threads = threads;

  SearchRun run;
  if (run.start(std::move(request)) != SearchStart::Started) throw py::value_error("the search could not start");
  std::optional<py::error_already_set> failure;
  bool interrupted = false;
  for (;;) {
    bool finished = false;
    {
      py::gil_scoped_release unlocked;
      finished = run.waitFor(kSignalCheck);
    }
    if (finished) break;
    if (failure) continue;
    try {
      if (PyErr_CheckSignals() != 0) throw py::error_already_set();
      if (!progress.is_none()) progress(run.progress().done, run.progress().total);
    } catch (py::error_already_set& error) {
      // The search stops and ends normally; the error is raised once it has.
      interrupted = error.matches(PyExc_KeyboardInterrupt);
      failure = error;
      run.requestStop();
    }
  }
  if (failure && !interrupted) throw std::move(*failure);
  const std::int64_t examined = run.progress().done;
  if (!progress.is_none()) progress(examined, run.progress().total);
  return OutcomeDict(*run.takeOutcome(), examined, top, interrupted);
}

}  // namespace

void AddSearch(py::module_& module) {
  module.def("search", &Search, py::arg("rows"), py::arg("max_terms"), py::arg("sets"), py::arg("rank_by"),
             py::arg("top"), py::arg("threads"), py::arg("progress"));
}

}  // namespace rv::python
