#pragma once

// The corpus of texts of measurements in tests/data/import_corpus/, as
// instruments, spreadsheets, R, pandas and Fortran write them, each with the
// values it must give. make_corpus.py writes both from the same numbers;
// this reads the .expected files with the C library alone, never with the
// program's reader.

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace rv::testing {

using CorpusRow = std::vector<std::optional<double>>;  // Y first; nothing for an empty cell

struct CorpusCase {
  std::string name;                         // of the .expected file, without its extension
  std::string path;                         // of the text file
  std::map<std::string, std::string> keys;  // what the import dialog finds, the tool's options, names
  std::vector<std::string> warnings;        // what the tool's warnings must say
  std::vector<std::string> refusals;        // "OPTIONS | what the tool's refusal must say"
  std::vector<CorpusRow> rows;

  std::string key(const std::string& name) const {
    const auto found = keys.find(name);
    return found == keys.end() ? std::string() : found->second;
  }
};

// The fields of a line split at the delimiter; an empty or "" field is empty.
inline CorpusRow CorpusValues(const std::string& line, char delimiter) {
  CorpusRow row;
  std::stringstream fields(line);
  for (std::string field; std::getline(fields, field, delimiter);) {
    if (field.empty() || field == "\"\"") {
      row.push_back(std::nullopt);
      continue;
    }
    char* end = nullptr;
    const double value = std::strtod(field.c_str(), &end);
    row.push_back(*end == '\0' ? std::optional(value) : std::nullopt);
  }
  if (!line.empty() && line.back() == delimiter) row.push_back(std::nullopt);
  return row;
}

// Words split at blanks, as a shell would split the options written.
inline std::vector<std::string> CorpusWords(const std::string& text) {
  std::vector<std::string> words;
  std::stringstream stream(text);
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

inline std::vector<CorpusCase> LoadImportCorpus() {
  const std::filesystem::path folder = REGROVANTIS_SOURCE_DIR "/tests/data/import_corpus";
  std::vector<CorpusCase> cases;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() != ".expected") continue;
    CorpusCase corpusCase;
    corpusCase.name = entry.path().stem().string();
    for (const auto& text : std::filesystem::directory_iterator(folder))
      if (text.path().stem() == corpusCase.name && text.path().extension() != ".expected")
        corpusCase.path = text.path().string();
    std::ifstream in(entry.path());
    bool rows = false;
    for (std::string line; std::getline(in, line);) {
      if (rows) {
        corpusCase.rows.push_back(CorpusValues(line, ','));
        continue;
      }
      if (line == "rows:") {
        rows = true;
        continue;
      }
      const size_t colon = line.find(": ");
      const std::string key = line.substr(0, line.find(':'));
      const std::string value = colon == std::string::npos ? std::string() : line.substr(colon + 2);
      if (key == "warning") corpusCase.warnings.push_back(value);
      else if (key == "refusal") corpusCase.refusals.push_back(value);
      else corpusCase.keys[key] = value;
    }
    cases.push_back(std::move(corpusCase));
  }
  std::sort(cases.begin(), cases.end(), [](const CorpusCase& a, const CorpusCase& b) { return a.name < b.name; });
  return cases;
}

}  // namespace rv::testing
