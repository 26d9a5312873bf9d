#include "stats/ui/function_save_panel.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include "statistics_dialog_fixture.h"
#include "stats/band_function_text.h"
#include "stats/function_file.h"
#include "stats/function_text.h"
#include "support/modal_answers.h"
#include "widgets/message_dialog.h"

namespace rv::testing {
namespace {

using rv::testing::ModalAnswers;

// Every test starts on the dialog's Function page, its folder the test's own.
class FunctionSavePanelTest : public StatisticsDialogTest {
 protected:
  void SetUp() override { openPanel(); }

  void openPanel() {
    document.state.dataFolder = folder.path().toStdString();
    open();
    press(StatisticsDialog::kFunctionButtonId);
  }

  FunctionSavePanel& panel() const { return *dialog->functionPanel(); }

  void save(const QString& name, const char* language = "C++ Procedure (*.cpp)") {
    panel().selectNameFilter(QString::fromLatin1(language));
    panel().fileNameBox()->setText(name);
    press(FunctionSavePanel::kSaveButtonId);
  }

  QString pathOf(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

  static QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QByteArray expectedText(FunctionLanguage language) const {
    return QByteArray::fromStdString(GenerateFunctionText(equation, language));
  }

  QTemporaryDir folder;
};

TEST_F(FunctionSavePanelTest, SavesUnderTheLanguagesExtensionInTheFolderShown) {
  EXPECT_EQ(QDir(panel().directory()).absolutePath(), QDir(folder.path()).absolutePath());
  save(QStringLiteral("fit.txt"));
  EXPECT_EQ(Contents(pathOf("fit.cpp")), expectedText(FunctionLanguage::Cpp));
  EXPECT_FALSE(QFile::exists(pathOf("fit.txt")));

  // Enter in the name box saves too, and the panel stays open.
  panel().selectNameFilter(QStringLiteral("Basic Function (*.bas)"));
  panel().fileNameBox()->setText(QStringLiteral("fit"));
  QTest::keyClick(panel().fileNameBox(), Qt::Key_Return);
  EXPECT_EQ(Contents(pathOf("fit.bas")), expectedText(FunctionLanguage::Basic));
  EXPECT_TRUE(panel().isVisible());
  EXPECT_TRUE(dialog->isVisible());
}

TEST_F(FunctionSavePanelTest, AnEmptyNameWritesNothingAndKeepsTheFocusInTheNameBox) {
  save(QString());
  save(QStringLiteral("   "));
  EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(panel().fileNameBox()));
  EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(FunctionSavePanelTest, AnExistingFileIsReplacedOnlyAfterYes) {
  {
    QFile existing(pathOf("fit.c"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("keep me");
  }
  const std::string path = pathOf("fit.c").toStdString();
  ModalAnswers answers;
  answers.answer(kAnswerNo).answer(kAnswerYes);
  save(QStringLiteral("fit.c"), "C Procedure (*.c)");
  EXPECT_EQ(Contents(pathOf("fit.c")), QByteArray("keep me"));
  save(QStringLiteral("fit.c"), "C Procedure (*.c)");
  EXPECT_EQ(Contents(pathOf("fit.c")), expectedText(FunctionLanguage::C));
  EXPECT_EQ(answers.dialogNames(), QStringList({QStringLiteral("MSGDLG2"), QStringLiteral("MSGDLG2")}));
  EXPECT_EQ(answers.messageTexts().value(0), QString::fromStdString(ReplaceFileQuestion(path)));
}

TEST_F(FunctionSavePanelTest, AFileThatCannotBeWrittenIsReportedAsAnError) {
  ModalAnswers answers;
  answers.answer(kAnswerOk);
  save(QStringLiteral("no such folder/fit"), "FORTRAN Function (*.for)");
  ASSERT_EQ(answers.dialogNames(), QStringList(QStringLiteral("MSGDLG4")));
  const QString expected = QStringLiteral("The function could not be written to the file '%1'.")
                               .arg(folder.filePath(QStringLiteral("no such folder/fit.for")));
  EXPECT_TRUE(answers.messageTexts().value(0).startsWith(expected)) << answers.messageTexts().value(0).toStdString();
  EXPECT_TRUE(dialog->isVisible());
}

TEST_F(FunctionSavePanelTest, TypedFoldersAreFollowedAndOnlyTheFileNameTakesTheExtension) {
  ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sub.d")));
  save(QStringLiteral("sub.d/fit"));
  EXPECT_EQ(Contents(pathOf("sub.d/fit.cpp")), expectedText(FunctionLanguage::Cpp));
  EXPECT_FALSE(QFile::exists(pathOf("sub.cpp")));

  // The name of a folder opens it.
  save(QStringLiteral("sub.d"));
  EXPECT_EQ(QDir(panel().directory()).absolutePath(), QDir(pathOf("sub.d")).absolutePath());
  EXPECT_TRUE(panel().fileNameBox()->text().isEmpty());
  save(QStringLiteral("other"), "Basic Function (*.bas)");
  EXPECT_EQ(Contents(pathOf("sub.d/other.bas")), expectedText(FunctionLanguage::Basic));
}

// With "Add the band function" the file and the copy carry the band
// function at the statistics' level after the function; a rational
// equation, which has no bands, cannot ask for it.
TEST_F(FunctionSavePanelTest, TheBandFunctionIsAddedWhenAskedAndWhereThereIsOne) {
  auto* band = qobject_cast<QAbstractButton*>(control(FunctionSavePanel::kBandFunctionId));
  ASSERT_NE(band, nullptr);
  EXPECT_TRUE(band->isEnabled());
  EXPECT_FALSE(band->isChecked());
  QTest::mouseClick(band, Qt::LeftButton, {}, QPoint(6, band->height() / 2));  // on its box
  save(QStringLiteral("fit"), "C Procedure (*.c)");
  const QByteArray withBand =
      expectedText(FunctionLanguage::C) +
      QByteArray::fromStdString(GenerateBandFunctionText(equation, FunctionLanguage::C, kDefaultBandLevel));
  EXPECT_EQ(Contents(pathOf("fit.c")), withBand);
  QApplication::clipboard()->clear();
  press(StatisticsDialog::kCopyButtonId);
  EXPECT_EQ(QApplication::clipboard()->text().toUtf8(), withBand);

  equation = FitEquation({{3.1, 1, 2}, {4.9, 2, 1}, {7.2, 3, 5}, {8.8, 4, 3}, {11.1, 5, 4}, {13.0, 6, 7}},
                         MakeCandidate(EquationSet::Y, {{kRationalLinear, 1, 2}, {kRationalDenominator, 2, 0}}, true));
  openPanel();
  EXPECT_FALSE(qobject_cast<QAbstractButton*>(control(FunctionSavePanel::kBandFunctionId))->isEnabled());
}

TEST_F(FunctionSavePanelTest, EscapeInThePanelClosesTheDialog) {
  QTest::keyClick(panel().fileNameBox(), Qt::Key_Escape);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

}  // namespace
}  // namespace rv::testing
