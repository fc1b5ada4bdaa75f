#include "registers/screens/FormNotUpdated.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/prompts/Prompts.h"
#include "registers/screens/AccountColumns.h"
#include "widgets/grid/MapleGrid.h"

TFormNotUpdated::TFormNotUpdated(TPrompts& prompts, const QString& caption,
                                 const QList<TColumnSpec>& columns, int count, CellText cellText,
                                 QWidget* parent)
    : TClientDialog(prompts, parent) {
  setObjectName(QStringLiteral("FormNotUpdated"));
  setWindowTitle(caption);

  grid_ = new TMapleGrid(Prompts(), this);
  grid_->setObjectName(QStringLiteral("grdList"));
  grid_->SetFixRowHeight(24);
  grid_->SetColumns(columns);
  grid_->OnGetCellText = [cellText = std::move(cellText)](int col, int row, QString& text) {
    text = col == 0 ? QString::number(row + 1) : cellText(col, row);
  };
  grid_->SetTotalRowCount(count);

  auto* btnClose = new QPushButton(QStringLiteral("关闭"), this);
  btnClose->setObjectName(QStringLiteral("btnClose"));
  btnClose->setMinimumWidth(96);
  btnClose->setDefault(true);
  connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnClose);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid_, 1);
  layout->addLayout(buttons);

  int width = 0;
  for (const TColumnSpec& column : columns) width += column.Width;
  resize(width + 40, 420);
}

void TFormNotUpdated::ShowPayers(TPrompts& prompts, const TOwningList<TPayerInfo>& payers,
                                 const QString& caption, QWidget* parent) {
  TFormNotUpdated form(
      prompts, caption, PayerColumns(), int(payers.Count()),
      [&payers](int col, int row) { return PayerCell(payers[row], col); }, parent);
  prompts.RunModal(form);
}

void TFormNotUpdated::ShowPayees(TPrompts& prompts, const TOwningList<TPayeeInfo>& payees,
                                 bool localPage, const QString& caption, QWidget* parent) {
  // Both pages have the payee columns; the page only tells the lists apart.
  Q_UNUSED(localPage);
  TFormNotUpdated form(
      prompts, caption, PayeeColumns(), int(payees.Count()),
      [&payees](int col, int row) { return PayeeCell(payees[row], col); }, parent);
  prompts.RunModal(form);
}
