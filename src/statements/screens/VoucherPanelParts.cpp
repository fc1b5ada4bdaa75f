#include "statements/screens/VoucherPanelParts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "statements/printing/PartyBlock.h"

namespace {

QLabel* ValueLabel(QWidget* parent, const QString& name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label->setWordWrap(true);
  label->setMinimumWidth(120);
  return label;
}

}  // namespace

TPartyPanel::TPartyPanel(const QString& caption, const QStringList& lineCaptions, const char* name,
                         QWidget* parent, const QStringList& valueNames)
    : QGroupBox(parent) {
  setObjectName(QString::fromLatin1(name));
  auto* layout = new QHBoxLayout(this);
  QString downwards;
  for (const QChar c : caption) downwards += c + QStringLiteral("\n");
  downwards.chop(1);
  auto* title = new QLabel(downwards, this);
  title->setAlignment(Qt::AlignCenter);
  layout->addWidget(title);
  auto* lines = new QGridLayout;
  for (int line = 0; line < lineCaptions.size(); ++line) {
    lines->addWidget(new QLabel(lineCaptions[line], this), line, 0);
    values_.append(ValueLabel(this, valueNames.value(line, objectName() + QString::number(line))));
    lines->addWidget(values_.last(), line, 1);
  }
  lines->setColumnStretch(1, 1);
  layout->addLayout(lines, 1);
}

void TPartyPanel::Show(const TPartyBlock& party) {
  values_[0]->setText(party.Name);
  values_[1]->setText(party.Account);
  values_[2]->setText(party.Bank);
}

QString TPartyPanel::Line(int line) const {
  return values_.value(line) ? values_[line]->text() : QString();
}

QLabel* AddCaptioned(QGridLayout& grid, int row, int column, const QString& caption,
                     const char* name) {
  QWidget* parent = grid.parentWidget();
  grid.addWidget(new QLabel(caption, parent), row, column);
  QLabel* value = ValueLabel(parent, QString::fromLatin1(name));
  grid.addWidget(value, row, column + 1);
  return value;
}

TTotalsLine::TTotalsLine(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pnlTotals"));
  auto* layout = new QHBoxLayout(this);
  const auto label = [this](const char* name) {
    auto* made = new QLabel(this);
    made->setObjectName(QString::fromLatin1(name));
    return made;
  };
  debitCaption_ = label("lblDebitCaption");
  debit_ = label("lblDebit");
  secondCaption_ = label("lblSecondCaption");
  second_ = label("lblSecond");
  count_ = label("lblCount");
  layout->addWidget(debitCaption_);
  layout->addWidget(debit_);
  layout->addSpacing(30);
  layout->addWidget(secondCaption_);
  layout->addWidget(second_);
  layout->addSpacing(30);
  layout->addWidget(new QLabel(QStringLiteral("总记录："), this));
  layout->addWidget(count_);
  layout->addStretch();
  Reset();
}

void TTotalsLine::Reset() {
  debitCaption_->setText(QStringLiteral("借方合计："));
  debit_->setText(QStringLiteral("￥0.00"));
  secondCaption_->setText(QStringLiteral("贷方合计："));
  second_->setText(QStringLiteral("￥0.00"));
  count_->setText(QStringLiteral("0"));
  debitCaption_->show();
  debit_->show();
}

void TTotalsLine::ShowDetail(const QString& debit, const QString& credit, const QString& count) {
  debit_->setText(debit);
  secondCaption_->setText(QStringLiteral("贷方金额"));
  second_->setText(credit);
  count_->setText(count);
}

void TTotalsLine::ShowFlow(const QString& sum, const QString& count) {
  debitCaption_->hide();
  debit_->hide();
  secondCaption_->setText(QStringLiteral("合计金额"));
  second_->setText(sum);
  count_->setText(count);
}

QString TTotalsLine::Text() const {
  QStringList parts;
  if (!debit_->isHidden()) parts << debitCaption_->text() + debit_->text();
  parts << secondCaption_->text() + second_->text() << QStringLiteral("总记录：") + count_->text();
  return parts.join(u' ');
}
