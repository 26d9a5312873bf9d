#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "files/ui/import_dialog.h"
#include "support/import_corpus.h"

namespace rv::testing {
namespace {

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

QString SeparatorLabel(const std::string& separator) {
  if (separator == ",") return QStringLiteral("Comma");
  if (separator == ";") return QStringLiteral("Semicolon");
  if (separator == "tab") return QStringLiteral("Tab");
  return QStringLiteral("Space");
}

// The first item of the box whose text starts as the tool's option word
// does ("comma" for "Comma (1,000)").
int ItemStarting(const QComboBox* box, const std::string& word) {
  for (int i = 0; i < box->count(); ++i)
    if (box->itemText(i).startsWith(QString::fromStdString(word), Qt::CaseInsensitive)) return i;
  return -1;
}

void Activate(QComboBox* box, int index) {
  box->setCurrentIndex(index);
  emit box->activated(index);
}

int ColumnNamed(const ImportDialog& import, const std::string& name) {
  const auto& headings = import.reading().headings;
  for (size_t c = 0; c < headings.size(); ++c)
    if (headings[c] == name) return static_cast<int>(c);
  return name.empty() ? -1 : std::stoi(name) - 1;
}

void ChooseRole(ImportDialog& import, int column, int role) {
  emit import.preview()->horizontalHeader()->sectionClicked(column);
  // "left out" is the box's last item.
  Activate(import.roleBox(), role < 0 ? import.roleBox()->count() - 1 : role);
}

// The tool's options as the user gives them in the dialog, in the order the
// tool applies them: the layout first, then the numbers, the lines, the
// rows kept and the roles.
void ChooseAsTheToolDoes(ImportDialog& import, const std::vector<std::string>& words) {
  std::map<std::string, std::string> given;
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& option = words[i];
    const bool flag = option == "--decimal-comma" || option == "--drop-incomplete";
    given[option] = flag || i + 1 == words.size() ? "" : words[++i];
  }
  if (given.count("--comment")) {
    import.commentBox()->setText(QString::fromStdString(given["--comment"]));
    emit import.commentBox()->editingFinished();
  }
  if (given.count("--sep"))
    Activate(import.separatorBox(), import.separatorBox()->findText(SeparatorLabel(given["--sep"])));
  if (given.count("--decimal-comma")) Activate(import.decimalBox(), 1);
  if (given.count("--thousands"))
    Activate(import.thousandsBox(), ItemStarting(import.thousandsBox(), given["--thousands"]));
  if (given.count("--names")) import.namesBox()->setValue(std::stoi(given["--names"]));
  if (given.count("--skip")) import.skipBox()->setValue(std::stoi(given["--skip"]));
  import.dropBox()->setChecked(given.count("--drop-incomplete") > 0);
  if (given.count("--y")) ChooseRole(import, ColumnNamed(import, given["--y"]), 0);
  if (!given.count("--x")) return;
  for (bool again = true; again;) {
    again = false;
    const std::vector<int>& roles = import.reading().roles;
    for (size_t c = 0; c < roles.size() && !again; ++c)
      if (roles[c] >= 1) {
        ChooseRole(import, static_cast<int>(c), kLeftOutColumn);
        again = true;
      }
  }
  int variable = 0;
  std::stringstream names(given["--x"]);
  for (std::string name; std::getline(names, name, ',');) ChooseRole(import, ColumnNamed(import, name), ++variable);
}

// Every file of the corpus in the import dialog, offscreen, as it opens:
// the encoding, separator, number format, names line, lines skipped and the
// drop box it finds, and what it refuses; then, given the choices the
// tool's documented options make, the very values the tool gives, and the
// names.
TEST(ImportCorpusDialog, EachFileOpensWithWhatItShowsAndTheToolsChoicesGiveItsValues) {
  const std::vector<CorpusCase> corpus = LoadImportCorpus();
  ASSERT_GE(corpus.size(), 20u);
  for (const CorpusCase& c : corpus) {
    SCOPED_TRACE(c.name);
    const QString fileName = QString::fromStdString(std::filesystem::path(c.path).filename().string());
    ImportDialog import(fileName, Bytes(c.path), nullptr);
    EXPECT_EQ(import.encodingBox()->currentText().toStdString(), c.key("encoding"));
    EXPECT_EQ(import.separatorBox()->currentText(), SeparatorLabel(c.key("separator")));
    EXPECT_EQ(import.decimalBox()->currentIndex(), c.key("decimal") == "comma" ? 1 : 0);
    EXPECT_EQ(import.thousandsBox()->currentIndex(), ItemStarting(import.thousandsBox(), c.key("thousands")));
    EXPECT_EQ(import.namesBox()->value(), std::stoi(c.key("names-line")));
    EXPECT_EQ(import.skipBox()->value(), std::stoi(c.key("skip")));
    EXPECT_EQ(import.dropBox()->isChecked(), c.key("drop") == "yes");
    const std::string summary = import.summary()->text().toStdString();
    for (const char* refusal : {"undecided", "dialog-refusal"})
      if (!c.key(refusal).empty()) {
        EXPECT_NE(summary.find(c.key(refusal)), std::string::npos) << summary;
        EXPECT_FALSE(import.okButton()->isEnabled());
      }

    ChooseAsTheToolDoes(import, CorpusWords(c.key("tool")));
    if (c.rows.empty()) {
      EXPECT_FALSE(import.okButton()->isEnabled());
      continue;
    }
    ASSERT_TRUE(import.okButton()->isEnabled()) << import.summary()->text().toStdString();
    const TextImport& reading = import.reading();
    EXPECT_EQ(reading.rowsRead, static_cast<int>(c.rows.size()));
    for (size_t row = 0; row < c.rows.size(); ++row)
      for (size_t column = 0; column < static_cast<size_t>(kSheetColumns); ++column) {
        const double value = reading.values[row][column];
        const std::optional<double> shown = IsEmptyValue(value) ? std::nullopt : std::optional(value);
        const std::optional<double> wanted = column < c.rows[row].size() ? c.rows[row][column] : std::nullopt;
        EXPECT_EQ(shown, wanted) << "row " << row << ", column " << column;
      }
    std::stringstream expected(c.key("names"));
    size_t column = 0;
    for (std::string name; std::getline(expected, name, ','); ++column) EXPECT_EQ(reading.names[column], name);
  }
}

}  // namespace
}  // namespace rv::testing
