#include "print/ui/print_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPromise>
#include <QRadioButton>
#include <QtTest/QTest>
#include <memory>

#include "print/ui/print_destinations.h"
#include "print/ui/printer_properties_dialog.h"
#include "support/modal_answers.h"
#include "widgets/control_id.h"
#include "widgets/message_dialog.h"
#include "widgets/print_settings_controls.h"
#include "widgets/resource_pictures.h"

namespace rv::testing {
namespace {

const QStringList kPrinters = {QStringLiteral("zeta"), QStringLiteral("Alpha"), QStringLiteral("Print to PDF"),
                               QStringLiteral("beta laser"), QStringLiteral("Regrovantis Ghost")};
const QStringList kFonts = {QStringLiteral("Liberation Mono"), QStringLiteral("Courier New"), QStringLiteral("arial"),
                            QStringLiteral("DejaVu Sans")};

class PrintDialogTest : public ::testing::Test {
 protected:
  // The dialog over a print server that names these queues; "Regrovantis
  // Ghost" does not accept jobs.
  PrintDialog& open(PrintDialogKind kind = PrintDialogKind::Data, QStringList printers = kPrinters,
                    QStringList fonts = kFonts, PrintPreviewRequest preview = {}) {
    PrintServerSurvey survey;
    for (const QString& name : printers) {
      PrintQueue queue;
      queue.name = name.toStdString();
      queue.description = {
          kQueueIdle, {}, "Model " + queue.name, "ipp://host/" + queue.name, "Room", name != "Regrovantis Ghost"};
      if (name == "zeta") {
        queue.sidesSupported = {"one-sided", "two-sided-long-edge", "two-sided-short-edge"};
        queue.qualitiesSupported = {3, 4, 5};
      }
      survey.queues.push_back(queue);
    }
    dialog = std::make_unique<PrintDialog>(kind, settings, nullptr, QtFuture::makeReadyFuture(survey), fonts, preview);
    dialog->show();
    for (int i = 0; i < 200 && !dialog->surveyed(); ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_TRUE(dialog->surveyed());
    return *dialog;
  }

  QWidget* control(int id) const { return FindControl(dialog.get(), id); }
  QListWidget* list(int id) const { return qobject_cast<QListWidget*>(control(id)); }
  QString text(int id) const { return qobject_cast<QLabel*>(control(id))->text(); }
  void type(int id, const QString& typed) const {
    auto* edit = qobject_cast<QLineEdit*>(control(id));
    edit->selectAll();
    QTest::keyClicks(edit, typed);
  }
  static QStringList Entries(const QListWidget* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries << list->item(i)->text();
    return entries;
  }

  PrintSettings settings;
  std::unique_ptr<PrintDialog> dialog;
};

TEST_F(PrintDialogTest, TheTitleNamesWhatIsPrinted) {
  EXPECT_EQ(open(PrintDialogKind::Data).windowTitle(), QStringLiteral("Print Data"));
  EXPECT_EQ(open(PrintDialogKind::Equation).windowTitle(), QStringLiteral("Print Equation"));
  EXPECT_EQ(open(PrintDialogKind::Graph).windowTitle(), QStringLiteral("Print Graph"));
  EXPECT_EQ(dialog->objectName(), QStringLiteral("PrntDlg"));
  for (const int id : {1, 2, 51, 52, 101, 102, 103, 104, 106, 107, 108, 109, 110, 111, 112, 113, 114})
    EXPECT_NE(control(id), nullptr) << id;
  EXPECT_EQ(qobject_cast<QAbstractButton*>(control(51))->text(), QStringLiteral("P&roperties"));
  EXPECT_EQ(qobject_cast<QAbstractButton*>(control(52))->text(), QStringLiteral("Pre&view"));
  EXPECT_EQ(qobject_cast<QAbstractButton*>(control(112))->text(), QStringLiteral("Por&trait"));
  EXPECT_EQ(qobject_cast<QAbstractButton*>(control(113))->text(), QStringLiteral("&Landscape"));
}

TEST_F(PrintDialogTest, ListsAreSortedAndTheCurrentChoicesSelected) {
  settings.printer = "BETA";
  settings.fontFace = "courier new";
  open();
  EXPECT_EQ(Entries(list(101)), QStringList({"Alpha", "beta laser", "Print to PDF", "Regrovantis Ghost", "zeta"}));
  EXPECT_EQ(Entries(list(102)), QStringList({"arial", "Courier New", "DejaVu Sans", "Liberation Mono"}));
  // The printer is found by the start of its name, the face whole.
  EXPECT_EQ(list(101)->currentItem()->text(), QStringLiteral("beta laser"));
  EXPECT_EQ(list(102)->currentItem()->text(), QStringLiteral("Courier New"));
  EXPECT_EQ(dialog->focusWidget(), list(101));

  settings.printer = "Gone";
  settings.fontFace = "Courier";
  open();
  EXPECT_EQ(list(101)->currentRow(), 0);
  EXPECT_EQ(list(102)->currentRow(), 0);
}

TEST_F(PrintDialogTest, TheStatusFieldsFollowTheSelectedPrinterAndCopiesAreGreyForPdf) {
  settings.printer = "Print to PDF";
  open();
  EXPECT_EQ(text(106), QStringLiteral("Idle"));
  EXPECT_EQ(text(107), QStringLiteral("PDF document"));
  EXPECT_FALSE(control(110)->isEnabled());
  list(101)->setCurrentRow(4);  // zeta
  EXPECT_EQ(text(106), QStringLiteral("Idle"));
  EXPECT_EQ(text(107), QStringLiteral("Model zeta"));
  EXPECT_EQ(text(108), QStringLiteral("ipp://host/zeta"));
  EXPECT_EQ(text(109), QStringLiteral("Room"));
  EXPECT_TRUE(control(110)->isEnabled());
  // An idle queue that does not accept jobs is not available.
  list(101)->setCurrentRow(3);
  EXPECT_EQ(text(106), QStringLiteral("Not Available"));
}

TEST_F(PrintDialogTest, UntilTheServerAnswersThePrinterInUseIsLookedForAndPrintToPdfIsThere) {
  settings.printer = "zeta";
  QPromise<PrintServerSurvey> answer;
  answer.start();
  PrintDialog waiting(PrintDialogKind::Data, settings, nullptr, answer.future(), kFonts);
  auto* printers = qobject_cast<QListWidget*>(FindControl(&waiting, PrintDialog::kPrinterListId));
  EXPECT_EQ(Entries(printers), QStringList({"Print to PDF", "zeta"}));
  EXPECT_EQ(qobject_cast<QLabel*>(FindControl(&waiting, PrintDialog::kStatusId))->text(),
            QStringLiteral("Looking for printers\u2026"));
  PrintServerSurvey survey;
  survey.queues.push_back({"zeta", {kQueueStopped, {"paused"}, "", "", ""}, ""});
  survey.queues.push_back({"Alpha", {}, ""});
  answer.addResult(survey);
  answer.finish();
  for (int i = 0; i < 200 && !waiting.surveyed(); ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  EXPECT_EQ(Entries(printers), QStringList({"Alpha", "Print to PDF", "zeta"}));
  EXPECT_EQ(printers->currentItem()->text(), QStringLiteral("zeta"));
  EXPECT_EQ(qobject_cast<QLabel*>(FindControl(&waiting, PrintDialog::kStatusId))->text(), QStringLiteral("Paused"));
}

TEST_F(PrintDialogTest, PrintReportsTheChoicesWithTypedNumbersAsTheyAreRead) {
  settings.printer = "zeta";
  settings.fontSize = 10;
  settings.copies = 2;
  open();
  EXPECT_EQ(qobject_cast<QLineEdit*>(control(103))->text(), QStringLiteral("10"));
  EXPECT_EQ(qobject_cast<QLineEdit*>(control(110))->text(), QStringLiteral("2"));
  EXPECT_TRUE(qobject_cast<QRadioButton*>(control(112))->isChecked());

  list(101)->setCurrentRow(0);
  list(102)->setCurrentRow(3);
  qobject_cast<QComboBox*>(control(114))->setCurrentText(QStringLiteral("A5"));
  type(103, QStringLiteral("1"));
  type(110, QStringLiteral("0"));
  QTest::mouseClick(qobject_cast<QAbstractButton*>(control(113)), Qt::LeftButton);
  PrintSettings chosen = dialog->chosenSettings();
  EXPECT_EQ(chosen.printer, "Alpha");
  EXPECT_EQ(chosen.fontFace, "Liberation Mono");
  EXPECT_EQ(chosen.fontSize, 2);  // a lone 1 is below the range
  EXPECT_EQ(chosen.copies, 1);
  EXPECT_TRUE(chosen.landscape);
  EXPECT_EQ(chosen.paper, "A5");

  type(110, QStringLiteral("150"));
  type(103, QStringLiteral("72"));
  chosen = dialog->chosenSettings();
  EXPECT_EQ(chosen.copies, 99);
  // The Font Size field takes only what can make a number of 2 … 48: the
  // 2 of 72 and letters are refused.
  EXPECT_EQ(qobject_cast<QLineEdit*>(control(103))->text(), QStringLiteral("7"));
  EXPECT_EQ(chosen.fontSize, 7);
  type(103, QStringLiteral("abc"));
  EXPECT_EQ(qobject_cast<QLineEdit*>(control(103))->text(), QStringLiteral("7"));
  type(103, QStringLiteral("4x8"));
  EXPECT_EQ(qobject_cast<QLineEdit*>(control(103))->text(), QStringLiteral("48"));
  type(110, QStringLiteral("two"));
  EXPECT_EQ(dialog->chosenSettings().copies, 1);
}

TEST_F(PrintDialogTest, TheOrientationPictureFollowsTheButtons) {
  open();
  const QImage portrait = ResourcePicture(QStringLiteral("PORT"), QSize(32, 32)).toImage();
  const QImage landscape = ResourcePicture(QStringLiteral("LAND"), QSize(32, 32)).toImage();
  ASSERT_NE(portrait, landscape);
  EXPECT_EQ(dialog->controls()->orientationPicture().toImage(), portrait);
  QTest::mouseClick(qobject_cast<QAbstractButton*>(control(113)), Qt::LeftButton);
  EXPECT_EQ(dialog->controls()->orientationPicture().toImage(), landscape);
  EXPECT_FALSE(qobject_cast<QRadioButton*>(control(112))->isChecked());
  // The dialog shows it at (216, 192): 4 pixels below its top edge, in its
  // middle, the portrait sheet is white and the landscape sheet not there yet.
  const QPoint probe(216 + 16, 192 + 4);
  EXPECT_NE(dialog->grab().toImage().pixel(probe), qRgb(255, 255, 255));
  QTest::mouseClick(qobject_cast<QAbstractButton*>(control(112)), Qt::LeftButton);
  EXPECT_EQ(dialog->grab().toImage().pixel(probe), qRgb(255, 255, 255));
}

TEST_F(PrintDialogTest, PrintAndCancelAnswerTheCaller) {
  settings.printer = "Alpha";
  settings.copies = 4;
  ModalAnswers answers;
  // The dialog lists the print system's printers; "Print to PDF" is always among them.
  answers.then([](QWidget* shown) {
    auto* printers = qobject_cast<QListWidget*>(FindControl(shown, 101));
    const QList<QListWidgetItem*> pdf = printers->findItems(QStringLiteral("Print to PDF"), Qt::MatchExactly);
    ASSERT_EQ(pdf.size(), 1);
    printers->setCurrentItem(pdf.first());
    ClickControl(shown, 1);
  });
  const std::optional<PrintSettings> printed = ShowPrintDialog(PrintDialogKind::Graph, settings, nullptr);
  ASSERT_TRUE(printed.has_value());
  EXPECT_EQ(printed->printer, "Print to PDF");
  EXPECT_EQ(printed->copies, 4);
  EXPECT_EQ(answers.dialogNames(), QStringList(QStringLiteral("PrntDlg")));

  answers.then([](QWidget* shown) { ClickControl(shown, 2); });
  EXPECT_FALSE(ShowPrintDialog(PrintDialogKind::Graph, settings, nullptr).has_value());
}

// Clicking the empty part of the printer list, or Ctrl+clicking the
// selected entry, leaves it selected: Print goes to the destination the
// panel describes, never to the one used last.
TEST_F(PrintDialogTest, ThePrinterSelectionCannotBeEmptiedSoPrintGoesWhereThePanelSays) {
  settings.printer = "Alpha";
  open(PrintDialogKind::Data, {QStringLiteral("Alpha")});
  QListWidget* printers = list(PrintDialog::kPrinterListId);
  printers->setCurrentItem(printers->findItems(QStringLiteral("Print to PDF"), Qt::MatchExactly).value(0));
  ASSERT_EQ(text(PrintDialog::kTypeId), QStringLiteral("PDF document"));
  // Two entries leave room below them.
  const QPoint below(10, printers->viewport()->height() - 3);
  ASSERT_EQ(printers->itemAt(below), nullptr);
  const auto expectPdfChosen = [&] {
    ASSERT_EQ(printers->selectedItems().size(), 1);
    EXPECT_EQ(printers->selectedItems().first()->text(), QStringLiteral("Print to PDF"));
    EXPECT_EQ(text(PrintDialog::kTypeId), QStringLiteral("PDF document"));
    EXPECT_EQ(dialog->chosenSettings().printer, "Print to PDF");
  };
  QTest::mouseClick(printers->viewport(), Qt::LeftButton, {}, below);
  expectPdfChosen();
  const QRect pdfEntry = printers->visualItemRect(printers->currentItem());
  QTest::mouseClick(printers->viewport(), Qt::LeftButton, Qt::ControlModifier, pdfEntry.center());
  expectPdfChosen();
  // The same holds for the face.
  QListWidget* faces = list(PrintDialog::kFontListId);
  const QString face = faces->currentItem()->text();
  QTest::mouseClick(faces->viewport(), Qt::LeftButton, Qt::ControlModifier,
                    faces->visualItemRect(faces->currentItem()).center());
  EXPECT_EQ(dialog->chosenSettings().fontFace, face.toStdString());
}

// An emptied Font Size, or one out of the range, is refused with a word
// before anything prints; the dialog stays.
TEST_F(PrintDialogTest, PrintRefusesAFontSizeItCannotPrintWith) {
  open();
  ModalAnswers answers;
  answers.answer(kAnswerOk).answer(kAnswerOk);
  for (const QString& typed : {QString(), QStringLiteral("1")}) {
    qobject_cast<QLineEdit*>(control(PrintDialog::kFontSizeId))->clear();
    type(PrintDialog::kFontSizeId, typed);
    ClickControl(dialog.get(), PrintDialog::kPrintButtonId);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), 0);
  }
  EXPECT_EQ(answers.messageTexts(), QStringList({QStringLiteral("Type a Font Size from 2 to 48."),
                                                 QStringLiteral("Type a Font Size from 2 to 48.")}));
  type(PrintDialog::kFontSizeId, QStringLiteral("14"));
  ClickControl(dialog.get(), PrintDialog::kPrintButtonId);
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

// A print server that does not answer keeps the printer in use in the
// list, marked as not responding.
TEST_F(PrintDialogTest, AQueueThatDoesNotAnswerStaysInTheListMarkedNotResponding) {
  settings.printer = "Office";
  PrintServerSurvey silent;
  silent.failure = "The print server does not answer.";
  PrintDialog waiting(PrintDialogKind::Data, settings, nullptr, QtFuture::makeReadyFuture(silent), kFonts);
  for (int i = 0; i < 200 && !waiting.surveyed(); ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  ASSERT_TRUE(waiting.surveyed());
  auto* printers = qobject_cast<QListWidget*>(FindControl(&waiting, PrintDialog::kPrinterListId));
  EXPECT_EQ(Entries(printers), QStringList({"Office", "Print to PDF"}));
  EXPECT_EQ(printers->currentItem()->text(), QStringLiteral("Office"));
  const auto field = [&](int id) { return qobject_cast<QLabel*>(FindControl(&waiting, id))->text(); };
  EXPECT_EQ(field(PrintDialog::kStatusId), QStringLiteral("Not responding"));
  EXPECT_EQ(field(PrintDialog::kCommentId), QStringLiteral("The print server does not answer."));
}

TEST_F(PrintDialogTest, WithoutPrintersPrintToPdfIsChosenAndWithoutFontsTheFaceStays) {
  settings.printer = "Somewhere";
  settings.fontFace = "Courier New";
  open(PrintDialogKind::Data, {}, {});
  EXPECT_EQ(Entries(list(101)), QStringList({"Print to PDF"}));
  const PrintSettings chosen = dialog->chosenSettings();
  EXPECT_EQ(chosen.printer, "Print to PDF");
  EXPECT_EQ(chosen.fontFace, "Courier New");
}

TEST_F(PrintDialogTest, PreviewShowsThePagesWithTheSettingsTheDialogHolds) {
  QList<PrintSettings> previewed;
  open(PrintDialogKind::Data, kPrinters, kFonts, [&](const PrintSettings& shown, QWidget* over) {
    previewed << shown;
    EXPECT_EQ(over, dialog.get());
  });
  QTest::mouseClick(qobject_cast<QAbstractButton*>(control(113)), Qt::LeftButton);
  ClickControl(dialog.get(), PrintDialog::kPreviewButtonId);
  ASSERT_EQ(previewed.size(), 1);
  EXPECT_TRUE(previewed[0].landscape);
  EXPECT_TRUE(dialog->isVisible());
}

// Properties set the queue's own options, with OK and Cancel only; they go
// with a job for that queue and no other.
TEST_F(PrintDialogTest, PropertiesSetTheOptionsOfTheQueueThatOffersThem) {
  settings.printer = "zeta";
  open();
  auto* properties = qobject_cast<QAbstractButton*>(control(PrintDialog::kPropertiesButtonId));
  ASSERT_TRUE(properties->isEnabled());
  ModalAnswers answers;
  answers.then([](QWidget* shown) {
    EXPECT_EQ(shown->windowTitle(), QStringLiteral("Properties - zeta"));
    EXPECT_EQ(shown->findChildren<QAbstractButton*>().size(), 2);  // OK and Cancel
    auto* sides = qobject_cast<QComboBox*>(FindControl(shown, PrinterPropertiesDialog::kSidesId));
    auto* quality = qobject_cast<QComboBox*>(FindControl(shown, PrinterPropertiesDialog::kQualityId));
    EXPECT_EQ(sides->count(), 4);
    sides->setCurrentText(QStringLiteral("Two-sided, long edge"));
    quality->setCurrentText(QStringLiteral("High"));
    qobject_cast<QDialog*>(shown)->accept();
  });
  ClickControl(dialog.get(), PrintDialog::kPropertiesButtonId);
  EXPECT_EQ(answers.pending(), 0);
  EXPECT_EQ(dialog->chosenSettings().sides, "two-sided-long-edge");
  EXPECT_EQ(dialog->chosenSettings().quality, 5);

  // Cancel keeps them; another printer has none of them, and no Properties.
  answers.then([](QWidget* shown) { qobject_cast<QDialog*>(shown)->reject(); });
  ClickControl(dialog.get(), PrintDialog::kPropertiesButtonId);
  EXPECT_EQ(dialog->chosenSettings().quality, 5);
  list(101)->setCurrentRow(0);
  EXPECT_FALSE(properties->isEnabled());
  EXPECT_TRUE(dialog->chosenSettings().sides.empty());
  EXPECT_EQ(dialog->chosenSettings().quality, 0);
}

TEST(PrintDestinations, PrintToPdfIsAlwaysOfferedOnceAndIsTheDefaultWithoutOne) {
  PrintServerSurvey survey;
  EXPECT_EQ(PrinterChoices(survey), QStringList({"Print to PDF"}));
  EXPECT_EQ(DefaultPrinterChoice(survey), QStringLiteral("Print to PDF"));
  survey.queues.push_back({"Print to PDF", {}, ""});
  survey.queues.push_back({"Office", {}, "iso_a4_210x297mm"});
  survey.defaultQueue = "Office";
  EXPECT_EQ(PrinterChoices(survey).count(QStringLiteral("Print to PDF")), 1);
  EXPECT_EQ(DefaultPrinterChoice(survey), QStringLiteral("Office"));
  EXPECT_EQ(QueueMedia(QStringLiteral("Office"), survey), "iso_a4_210x297mm");
  survey.defaultQueue = "Gone";
  EXPECT_EQ(DefaultPrinterChoice(survey), QStringLiteral("Print to PDF"));
}

TEST(PrintDestinations, TheFacesIncludeTheWindowsFacesByTheirStandInsOnceEach) {
  const QStringList faces = PrintFontFaces();
  for (const char* face : {"Courier New", "Arial", "Times New Roman", "Liberation Mono", "Liberation Sans"})
    EXPECT_EQ(faces.count(QLatin1String(face)), 1) << face;
  for (const QString& face : faces) {
    EXPECT_FALSE(face.contains(QLatin1String(" ["))) << face.toStdString();
    EXPECT_EQ(faces.count(face), 1) << face.toStdString();
  }
}

}  // namespace
}  // namespace rv::testing
