#include "stats/ui/statistics_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QShortcut>
#include <qdrawutil.h>

#include "stats/copy_texts.h"
#include "stats/criteria_text.h"
#include "stats/ui/chart_picture.h"
#include "stats/ui/coefficients_page.h"
#include "stats/ui/criteria_page.h"
#include "stats/ui/function_save_panel.h"
#include "stats/ui/print_page.h"
#include "stats/ui/report_list.h"
#include "stats/ui/residuals_page.h"
#include "stats/ui/statistics_layout.h"
#include "stats/ui/std_errors_page.h"
#include "widgets/control_id.h"
#include "widgets/help.h"
#include "widgets/place_dialog.h"
#include "widgets/program_fonts.h"
#include "widgets/sticky_button.h"

namespace rv {

namespace {

struct PageButtonTexts {
  const char* print;
  const char* copy;
};

// The Print and Copy buttons name what they act on, by page (the Print
// page keeps those of the page it prints).
constexpr PageButtonTexts kPageButtonTexts[6] = {
    {"&Print Coefficients", "&Copy Coefficients"},
    {"&Print Residuals", "&Copy Residuals"},
    {"&Print Std Errors", "&Copy Std Errors"},
    {"&Print Function", "&Copy Function"},
    {nullptr, nullptr},
    {"&Print Criteria", "&Copy Criteria"},
};

// The dialog's layout, in pixels of its client area.
constexpr QRect kOneLineTitle(16, 20, 404, 20);
constexpr QRect kTwoLineTitle(16, 12, 404, 40);
constexpr QRect kFunctionPanelPlace(14, 47, 412, 192);
constexpr int kButtonTop = 260;
constexpr int kButtonHeight = 24;

// The Criteria button is a row of its own below the others, which keep
// their places; the dialog is that much taller.
constexpr int kCriteriaRowTop = kButtonTop + kButtonHeight + 6;
constexpr QSize kClientSizeWithCriteria(kStatisticsClientSize.width(), kCriteriaRowTop + kButtonHeight + 10);

struct PageButtonPlace {
  int id;
  const char* text;
  QRect place;
};

// The buttons below the pages: first those that choose a page, in the order
// of pageButtons_, then Copy and Close.
constexpr PageButtonPlace kPageButtonPlaces[5] = {
    {StatisticsDialog::kResidualsButtonId, "&Residuals", QRect(8, kButtonTop, 56, kButtonHeight)},
    {StatisticsDialog::kStdErrorsButtonId, "&Std Errs", QRect(66, kButtonTop, 56, kButtonHeight)},
    {StatisticsDialog::kFunctionButtonId, "&Function", QRect(124, kButtonTop, 56, kButtonHeight)},
    {StatisticsDialog::kPrintButtonId, kPageButtonTexts[0].print, QRect(186, kButtonTop, 94, kButtonHeight)},
    {StatisticsDialog::kCriteriaButtonId, "Cr&iteria", QRect(8, kCriteriaRowTop, 56, kButtonHeight)},
};
constexpr QRect kCopyButtonPlace(282, kButtonTop, 94, kButtonHeight);
constexpr QRect kCloseButtonPlace(380, kButtonTop, 48, kButtonHeight);

QString DataFolder(const Document& document) { return QFile::decodeName(document.state.dataFolder.c_str()); }

void PutTextOnClipboard(const std::string& text) { QApplication::clipboard()->setText(QString::fromStdString(text)); }

}  // namespace

StatisticsDialog::StatisticsDialog(const FitWorkspace& equation, const Document& document, QWidget* mainWindow,
                                   const PrintPageChoices& print)
    : QDialog(mainWindow),
      equation_(equation),
      statistics_(StatisticsPass(equation_)),
      criteria_(BuildFitCriteria(statistics_)) {
  setObjectName(QStringLiteral("StatDlg"));
  setWindowTitle(QStringLiteral("Equation Statistics"));
  setFont(DialogFont());
  resize(kClientSizeWithCriteria);

  title_ = new QLabel(QString::fromStdString(statistics_.equationText), this);
  SetControlId(title_, kTitleId);
  QFont bold = DialogFont();
  bold.setBold(true);
  title_->setFont(bold);
  title_->setAlignment(Qt::AlignCenter);
  placeTitle();

  coefficientsPage_ = new CoefficientsPage(statistics_, this);
  residualsPage_ = new ResidualsPage(statistics_, this);
  stdErrorsPage_ = new StdErrorsPage(statistics_, this);
  criteriaPage_ = new CriteriaPage(statistics_, criteria_, this);
  functionPanel_ = new FunctionSavePanel(equation_, statistics_.bandLevel, DataFolder(document), this);
  functionPanel_->setGeometry(kFunctionPanelPlace);
  connect(functionPanel_, &FunctionSavePanel::cancelled, this, &QDialog::reject);
  printPage_ = new PrintPage(print, this);
  connect(printPage_, &PrintPage::printPressed, this, [this] { printPageToPrint(false); });
  connect(printPage_, &PrintPage::previewPressed, this, [this] { printPageToPrint(true); });

  for (size_t i = 0; i < std::size(kPageButtonPlaces); ++i) {
    const PageButtonPlace& spec = kPageButtonPlaces[i];
    auto* button = new StickyButton(QString::fromLatin1(spec.text), spec.id, this);
    button->setGeometry(spec.place);
    connect(button, &StickyButton::command, this, &StatisticsDialog::pagePressed);
    pageButtons_[i] = button;
  }
  copyButton_ = new QPushButton(QString::fromLatin1(kPageButtonTexts[0].copy), this);
  SetControlId(copyButton_, kCopyButtonId);
  copyButton_->setAutoDefault(false);
  copyButton_->setGeometry(kCopyButtonPlace);
  connect(copyButton_, &QPushButton::clicked, this, &StatisticsDialog::copyPage);

  auto* close = new QPushButton(QStringLiteral("Close"), this);
  SetControlId(close, kCloseButtonId);
  close->setDefault(true);
  close->setGeometry(kCloseButtonPlace);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* copyKey = new QShortcut(QKeySequence::Copy, this);
  copyKey->setContext(Qt::WidgetWithChildrenShortcut);
  connect(copyKey, &QShortcut::activated, this, &StatisticsDialog::copyPage);

  // On the Function page the help of the file chooser's own controls is that
  // of the save button.
  InstallContextHelp(this, kStatisticsHelpBase, [this](int id) {
    return id < 0 && page_ == kFunctionPage ? FunctionSavePanel::kSaveButtonId : id;
  });

  showPage(kCoefficientsPage);
  PlaceDialog(this, mainWindow);
}

void StatisticsDialog::placeTitle() {
  const QString text = title_->text();
  const bool twoLines =
      text.size() > kOneLineTitleLength || QFontMetrics(title_->font()).horizontalAdvance(text) > kOneLineTitle.width();
  title_->setWordWrap(twoLines);
  title_->setGeometry(twoLines ? kTwoLineTitle : kOneLineTitle);
}

QWidget* StatisticsDialog::pageWidget(int page) const {
  switch (page) {
    case kCoefficientsPage: return coefficientsPage_;
    case kResidualsPage: return residualsPage_;
    case kStdErrorsPage: return stdErrorsPage_;
    case kFunctionPage: return functionPanel_;
    case kPrintPage: return printPage_;
    case kCriteriaPage: return criteriaPage_;
    default: return nullptr;
  }
}

void StatisticsDialog::pagePressed(int buttonId) {
  const int requested = buttonId == kCriteriaButtonId ? kCriteriaPage : buttonId - kResidualsButtonId + kResidualsPage;
  if (requested == kPrintPage && page_ != kPrintPage) pageToPrint_ = page_;
  showPage(requested == page_ ? kCoefficientsPage : requested);
}

void StatisticsDialog::showPage(int page) {
  page_ = page;
  for (int p = kCoefficientsPage; p <= kCriteriaPage; ++p) pageWidget(p)->setVisible(p == page);
  for (StickyButton* button : pageButtons_)
    button->setPressed(ControlId(button) == kCriteriaButtonId
                           ? page == kCriteriaPage
                           : ControlId(button) - kResidualsButtonId + kResidualsPage == page);
  // The Print page keeps the names of the page it prints.
  if (page != kPrintPage) {
    pageButtons_[3]->setText(QString::fromLatin1(kPageButtonTexts[page].print));
    copyButton_->setText(QString::fromLatin1(kPageButtonTexts[page].copy));
  }

  switch (page) {
    case kCoefficientsPage: coefficientsPage_->list()->setFocus(); break;
    case kResidualsPage:
      if (QWidget* focus = residualsPage_->focusControl()) focus->setFocus();
      break;
    case kStdErrorsPage: stdErrorsPage_->list()->setFocus(); break;
    case kCriteriaPage: criteriaPage_->list()->setFocus(); break;
    case kFunctionPage:
      functionPanel_->raise();
      functionPanel_->fileNameBox()->setFocus();
      break;
  }
  update();
}

void StatisticsDialog::printPageToPrint(bool preview) {
  const std::optional<PrintSettings> settings = printPage_->chosenSettings();
  if (!settings) {
    QApplication::beep();
    return;
  }
  const PrintedStatisticsPage printed{pageToPrint_, residualsPage_->chartMode(), functionPanel_->language()};
  if (preview) emit previewRequested(*settings, printed);
  else emit printRequested(*settings, printed);
}

void StatisticsDialog::copyPage() {
  switch (page_) {
    case kCoefficientsPage: PutTextOnClipboard(CopyCoefficientsText(equation_)); break;
    case kResidualsPage:
      if (residualsPage_->chartMode())
        QApplication::clipboard()->setMimeData(ChartPictureMimeData(statistics_.residuals));
      else PutTextOnClipboard(CopyResidualsText(statistics_.residuals));
      break;
    case kStdErrorsPage: PutTextOnClipboard(CopyStdErrorsText(statistics_)); break;
    case kFunctionPage: PutTextOnClipboard(functionPanel_->functionText()); break;
    case kCriteriaPage: PutTextOnClipboard(CopyCriteriaText(statistics_, criteria_)); break;
  }
}

void StatisticsDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  qDrawWinPanel(&painter, rect().adjusted(2, 2, -2, -2), palette(), true);
}

}  // namespace rv
