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
constexpr int kListedLines = 3;

}  // namespace

RankingChoice::RankingChoice(QWidget* parent) : QWidget(parent) {
  auto* label = new QLabel(QStringLiteral("Ran&k by:"), this);
  label->setGeometry(0, 0, kWidth, kLineHeight);
  dropDown_ = new QComboBox(this);
  dropDown_->setObjectName(QStringLiteral("RankBy"));
  SetControlId(dropDown_, kId);
  for (RankingCriterion criterion : kRankingCriteria)
    dropDown_->addItem(QString::fromLatin1(RankingCriterionName(criterion)), static_cast<int>(criterion));
  dropDown_->setGeometry(0, kLineHeight, kWidth, kDropDownHeight);
  // The names are wider than the tab's left column; the open list is not.
  dropDown_->view()->setMinimumWidth(dropDown_->view()->sizeHintForColumn(0) + 8);
  // F1 on it opens the topic on choosing an equation.
  SetOwnHelpTopic(dropDown_, kMainWindowHelpBase + kId);
  label->setBuddy(dropDown_);
  listed_ = new QLabel(this);
  listed_->setObjectName(QStringLiteral("ListedBy"));
  listed_->setWordWrap(true);
  listed_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  listed_->setGeometry(0, kLineHeight + kDropDownHeight + 4, kWidth, kListedLines * kLineHeight);
  setFixedSize(kWidth, kLineHeight + kDropDownHeight + 4 + kListedLines * kLineHeight);
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
