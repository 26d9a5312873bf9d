#include "python/fitted_equation.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <cmath>
#include <string>
#include <vector>

#include "python/sheet_rows.h"
#include "regress/equation_point.h"
#include "regress/recreate_equation.h"
#include "regress/refusal_count.h"
#include "stats/coefficient_letter.h"
#include "stats/equation_body.h"
#include "stats/fit_criteria.h"
#include "stats/function_text.h"
#include "stats/parameter_names.h"
#include "stats/statistics_pass.h"

namespace rv::python {

namespace py = pybind11;

namespace {

class FittedEquation {
 public:
  FittedEquation(const RowArray& rows, int maxTerms, const std::vector<int>& sets, std::int64_t ordinal) {
    const SearchData data = TakeSearchSnapshot(SheetOfRows(rows));
    const SearchShape shape = MakeSearchShape(data, SearchOptions(maxTerms, sets));
    const std::int64_t count = CountCandidates(shape);
    if (data.pointCount < 2 || data.variableCount() == 0)
      throw py::value_error("an equation needs at least two points and one X column");
    if (ordinal < 1 || ordinal > count)
      throw py::value_error("the ordinal must be from 1 to " + std::to_string(count) + " for this data, not " +
                            std::to_string(ordinal));
    if (!RecreateEquation(workspace_, data, shape, ordinal))
      throw py::value_error("equation " + std::to_string(ordinal) + " (" + EquationText(CandidateAt(shape, ordinal)) +
                            ") cannot be fitted to this data: " +
                            (workspace_.verdict == FitVerdict::Unresolved
                                 ? std::string("its terms ") + kCannotBeResolved + " (nearly collinear columns)"
                                 : std::string("a value lies outside the range of its transform or a term")));
  }

  const std::string& text() const { return workspace_.text; }
  std::int64_t ordinal() const { return workspace_.lastFittedOrdinal; }

  std::vector<double> coefficients() const {
    return {workspace_.coefficients.begin(), workspace_.coefficients.begin() + workspace_.coefficientCount()};
  }

  std::vector<std::string> letters() const {
    std::vector<std::string> letters;
    letters.reserve(static_cast<size_t>(workspace_.coefficientCount()));
    for (int k = 0; k < workspace_.coefficientCount(); ++k) letters.emplace_back(1, CoefficientLetter(k));
    return letters;
  }

  std::vector<int> variables() const {
    std::vector<int> numbers;
    for (const std::string& name : ParameterNames(workspace_.text)) numbers.push_back(std::stoi(name.substr(1)));
    return numbers;
  }

  // Column j of x is X(j+1); only the variables the equation names are read.
  py::array_t<double> predict(const RowArray& x) const {
    if (x.ndim() != 2) throw py::value_error("predict needs a table of rows and columns");
    const auto columns = x.shape(1);
    for (const int variable : variables())
      if (variable > columns)
        throw py::value_error("the equation uses X" + std::to_string(variable) + ", but the data has only " +
                              std::to_string(columns) + " X columns");
    const auto values = x.unchecked<2>();
    py::array_t<double> predicted(x.shape(0));
    auto out = predicted.mutable_unchecked<1>();
    for (py::ssize_t row = 0; row < x.shape(0); ++row) {
      std::array<double, kSheetColumns> point{};
      for (py::ssize_t column = 0; column < columns && column + 1 < kSheetColumns; ++column)
        point[static_cast<size_t>(column + 1)] = values(row, column);
      out(row) = EquationPointAt(workspace_, point.data()).value;
    }
    return predicted;
  }

  py::dict statistics() const {
    const EquationStatistics s = StatisticsPass(workspace_);
    const FitCriteria c = BuildFitCriteria(s);
    py::dict figures;
    figures["equation"] = s.equationText;
    figures["ordinal"] = workspace_.lastFittedOrdinal;
    figures["r_squared"] = s.summary.rSquared;
    figures["std_error"] = s.summary.stdError;
    figures["std_dev"] = s.summary.stdDev;
    figures["coefficients"] = s.coefficients;
    std::vector<std::string> labels;
    std::vector<double> stdErrors, tStats, pValues;
    for (const TermStatistics& term : s.terms) {
      labels.push_back(term.label);
      stdErrors.push_back(term.stdError);
      tStats.push_back(term.tStat);
      pValues.push_back(term.pValue);
    }
    figures["term_labels"] = labels;
    figures["coef_std_errors"] = stdErrors;
    figures["t_stats"] = tStats;
    figures["p_values"] = pValues;
    figures["adjusted_r_squared"] = c.adjustedRSquared;
    figures["f_stat"] = c.fStat;
    figures["f_p_value"] = c.fPValue;
    figures["aicc"] = c.aicc;
    figures["bic"] = c.bic;
    figures["residual_std_error"] = c.residualStdError;
    py::list intervals;
    for (const ConfidenceInterval& interval : c.coefficientCi95)
      intervals.append(py::make_tuple(interval.lower, interval.upper));
    figures["coef_ci95"] = intervals;
    const auto row = [](const AnovaRow& r) { return py::make_tuple(r.df, r.ss, r.ms); };
    figures["anova"] = py::make_tuple(row(s.anova.regress), row(s.anova.residual), row(s.anova.total));
    const ResidualTable& table = s.residuals;
    std::vector<double> differences, percents;
    for (int i = 0; i < table.pointCount(); ++i) {
      differences.push_back(table.difference(i));
      percents.push_back(table.percentDifference(i));
    }
    figures["y_obs"] = table.yObs;
    figures["y_calc"] = table.yCalc;
    figures["difference"] = differences;
    figures["pct_diff"] = percents;
    return figures;
  }

  std::string code(const std::string& language) const {
    for (int k = 0; k < workspace_.coefficientCount(); ++k)
      if (!std::isfinite(workspace_.coefficients[k]))
        throw py::value_error("equation " + std::to_string(workspace_.lastFittedOrdinal) +
                              " has no finite coefficients for this data (its design is singular)");
    return GenerateFunctionText(workspace_, LanguageOfName(language));
  }

  std::string cExpression() const { return BuildEquationBody(workspace_.candidate, CodeDialect::C); }

 private:
  static FunctionLanguage LanguageOfName(const std::string& name) {
    if (name == "basic") return FunctionLanguage::Basic;
    if (name == "c") return FunctionLanguage::C;
    if (name == "cpp") return FunctionLanguage::Cpp;
    if (name == "fortran") return FunctionLanguage::Fortran;
    throw py::value_error("the language must be 'basic', 'c', 'cpp' or 'fortran', not '" + name + "'");
  }

  FitWorkspace workspace_;
};

}  // namespace

void AddFittedEquation(py::module_& module) {
  py::class_<FittedEquation>(module, "FittedEquation")
      .def(py::init<const RowArray&, int, const std::vector<int>&, std::int64_t>(), py::arg("rows"),
           py::arg("max_terms"), py::arg("sets"), py::arg("ordinal"))
      .def_property_readonly("text", &FittedEquation::text)
      .def_property_readonly("ordinal", &FittedEquation::ordinal)
      .def_property_readonly("coefficients", &FittedEquation::coefficients)
      .def_property_readonly("letters", &FittedEquation::letters)
      .def_property_readonly("variables", &FittedEquation::variables)
      .def("predict", &FittedEquation::predict, py::arg("x"))
      .def("statistics", &FittedEquation::statistics)
      .def("code", &FittedEquation::code, py::arg("language"))
      .def("c_expression", &FittedEquation::cExpression);
}

}  // namespace rv::python
