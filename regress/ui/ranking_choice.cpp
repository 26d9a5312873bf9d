#include "regress/ui/ranking_choice.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>

#include "widgets/control_id.h"
#include "widgets/help.h"

namespace rv {

namespace {

constexpr int kLineHeight = 16;
constexpr int kDropDownHeight = 22;
// "Listed by Predicted R squared" takes three lines of the column.
constexpr int kListedHeight = 3 * kLineHeight;
constexpr int kListedGap = 4;
// Its caption, the drop-down and the line naming the list's order, one under
// the other in a column of the tab.
constexpr QRect kLabelPlace(0, 0, RankingChoice::kWidth, kLineHeight);
constexpr QRect kDropDownPlace(0, kLineHeight, RankingChoice::kWidth, kDropDownHeight);
constexpr QRect kListedPlace(0, kLineHeight + kDropDownHeight + kListedGap, RankingChoice::kWidth, kListedHeight);
// The open list is as wide as its longest name and this margin.
constexpr int kOpenListMargin = 8;

}  // namespace

RankingChoice::RankingChoice(QWidget* parent) : QWidget(parent) {
  auto* label = new QLabel(QStringLiteral("Ran&k by:"), this);
  label->setGeometry(kLabelPlace);
  dropDown_ = new QComboBox(this);
  dropDown_->setObjectName(QStringLiteral("RankBy"));
  SetControlId(dropDown_, kId);
  for (RankingCriterion criterion : kRankingCriteria)
    dropDown_->addItem(QString::fromLatin1(RankingCriterionName(criterion)), static_cast<int>(criterion));
  dropDown_->setGeometry(kDropDownPlace);
  // The names are wider than the tab's left column; the open list is not.
  dropDown_->view()->setMinimumWidth(dropDown_->view()->sizeHintForColumn(0) + kOpenListMargin);
  // F1 on it opens the topic on choosing an equation.
  SetOwnHelpTopic(dropDown_, kMainWindowHelpBase + kId);
  label->setBuddy(dropDown_);
  listed_ = new QLabel(this);
  listed_->setObjectName(QStringLiteral("ListedBy"));
  listed_->setWordWrap(true);
  listed_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  listed_->setGeometry(kListedPlace);
  setFixedSize(kWidth, kListedPlace.bottom() + 1);
  connect(dropDown_, &QComboBox::activated, this,
          [this](int index) { emit chosen(static_cast<RankingCriterion>(dropDown_->itemData(index).toInt())); });
}

void RankingChoice::showChoice(RankingCriterion criterion) {
  dropDown_->setCurrentIndex(dropDown_->findData(static_cast<int>(criterion)));
}

void RankingChoice::showListCriterion(std::optional<RankingCriterion> criterion) {
  listed_->setText(criterion ? QStringLiteral("Listed by %1").arg(QString::fromLatin1(RankingCriterionName(*criterion)))
                             : QString());
}

QString RankingChoice::listLine() const { return listed_->text(); }

}  // namespace rv
