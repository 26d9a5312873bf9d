#include "support/import_corpus.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "run_tool.h"

namespace rv::testing {
namespace {

// The sheet the tool wrote as text: the program's export, read with strtod.
std::vector<CorpusRow> ExportedRows(const std::string& text) {
  std::vector<CorpusRow> rows;
  std::stringstream lines(text);
  std::string line;
  std::getline(lines, line);  // the names
  while (std::getline(lines, line)) rows.push_back(CorpusValues(line, ','));
  return rows;
}

std::optional<double> Cell(const std::vector<CorpusRow>& rows, size_t row, size_t column) {
  return row < rows.size() && column < rows[row].size() ? rows[row][column] : std::nullopt;
}

// Every file of the corpus through the tool with the options its
// .expected file documents: the values exactly, each warning said, and
// no warning unasked for; with the options that leave it in doubt, a
// refusal naming the cause. A file that must give no sheet is refused.
using ImportCorpus = ToolFolderTest;

TEST_F(ImportCorpus, TheToolGivesEveryFileItsValuesOrRefusesNamingTheCause) {
  const std::vector<CorpusCase> corpus = LoadImportCorpus();
  ASSERT_GE(corpus.size(), 20u);
  const std::string out = path("out.csv");
  for (const CorpusCase& c : corpus) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> arguments = {"convert", c.path, out};
    for (const std::string& word : CorpusWords(c.key("tool"))) arguments.push_back(word);
    std::filesystem::remove(out);
    const ToolResult result = RunTool(arguments);
    if (c.rows.empty()) {
      EXPECT_EQ(result.status, 1) << result.err;
      EXPECT_FALSE(std::filesystem::exists(out));
    } else {
      ASSERT_EQ(result.status, 0) << result.err;
      const std::vector<CorpusRow> sheet = ExportedRows(ReadFile(out));
      EXPECT_LE(sheet.size(), c.rows.size());
      for (size_t row = 0; row < c.rows.size() || row < sheet.size(); ++row)
        for (size_t column = 0; column < 17; ++column)
          EXPECT_EQ(Cell(sheet, row, column), Cell(c.rows, row, column)) << "row " << row << ", column " << column;
      for (const std::string& warning : c.warnings)
        EXPECT_NE(result.err.find(warning), std::string::npos) << result.err;
      if (c.warnings.empty()) {
        EXPECT_EQ(result.err, "");
      }
    }
    for (const std::string& refusal : c.refusals) {
      const size_t bar = refusal.find(" | ");
      std::vector<std::string> refused = {"convert", c.path, out};
      for (const std::string& word : CorpusWords(refusal.substr(0, bar))) refused.push_back(word);
      const ToolResult failed = RunTool(refused);
      EXPECT_EQ(failed.status, 1) << refusal;
      EXPECT_NE(failed.err.find(refusal.substr(bar + 3)), std::string::npos) << failed.err;
    }
  }
}

}  // namespace
}  // namespace rv::testing
