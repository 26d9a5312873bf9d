#include "stats/copy_texts.h"

#include "sheet/value_text.h"
#include "stats/coefficient_letter.h"
#include "stats/number_text.h"

namespace rv {

namespace {

constexpr const char* kLineEnd = "\r\n";

void DropLastLineEnd(std::string& text) {
  if (text.size() >= 2 && text.compare(text.size() - 2, 2, kLineEnd) == 0) text.resize(text.size() - 2);
}

}  // namespace

std::string CopyCoefficientsText(const FitWorkspace& workspace) {
  std::string text = workspace.text + "\r\n\r\nCoefficients\r\n";
  for (int k = 0; k < workspace.coefficientCount(); ++k)
    text += FormatText("%c =\t", CoefficientLetter(k)) + ScientificText(workspace.coefficients[k], 12) + kLineEnd;
  DropLastLineEnd(text);
  return text;
}

std::string CopyResidualsText(const ResidualTable& table) {
  // A weighted fit adds its normalised residuals, the differences over sigma.
  std::string text = table.weighted() ? "n\tY Obs\tY Calc\tDifference\tPct Diff\tNormalised\r\n"
                                      : "n\tY Obs\tY Calc\tDifference\tPct Diff\r\n";
  for (int i = 0; i < table.pointCount(); ++i) {
    text += FormatText("%d\t", i + 1);
    text += FixedText(table.yObs[static_cast<size_t>(i)], 12) + '\t';
    text += FixedText(table.yCalc[static_cast<size_t>(i)], 12) + '\t';
    text += FixedText(table.difference(i), 12) + '\t';
    text += FixedText(table.percentDifference(i), 12);
    if (table.weighted()) text += '\t' + FixedText(table.normalisedResidual(i), 12);
    text += kLineEnd;
  }
  DropLastLineEnd(text);
  return text;
}

std::string CopyStdErrorsText(const EquationStatistics& statistics) {
  std::string text = "Term\tStd Error\tt Stat\tP Value\r\n";
  for (const TermRow& row : statistics.termRows)
    text += row.label + '\t' + row.stdError + '\t' + row.tStat + '\t' + row.pValue + kLineEnd;
  return text;
}

}  // namespace rv
