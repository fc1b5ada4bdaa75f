#include "registers/screens/FormNotUpdated.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/prompts/Prompts.h"
#include "registers/screens/AccountColumns.h"
#include "widgets/grid/ListModel.h"
#include "widgets/grid/MapleGrid.h"

TFormNotUpdated::TFormNotUpdated(TPrompts& prompts, const QString& caption, TListModel* model,
                                 QWidget* parent)
    : TClientDialog(prompts, parent) {
  setObjectName(QStringLiteral("FormNotUpdated"));
  setWindowTitle(caption);

  model->setParent(this);
  grid_ = new TMapleGrid(Prompts(), this);
  grid_->setObjectName(QStringLiteral("grdList"));
  grid_->SetFixRowHeight(24);
  grid_->SetListModel(model);

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
  for (const TColumnDef& column : model->Columns()) width += column.Width;
  resize(width + 40, 420);
}

void TFormNotUpdated::ShowPayers(TPrompts& prompts, const TOwningList<TPayerInfo>& payers,
                                 const QString& caption, QWidget* parent) {
  TFormNotUpdated form(
      prompts, caption,
      new TRecordListModel<TOwningList<TPayerInfo>>(payers, PayerColumns(), &PayerCell, true),
      parent);
  prompts.RunModal(form);
}

void TFormNotUpdated::ShowPayees(TPrompts& prompts, const TOwningList<TPayeeInfo>& payees,
                                 bool localPage, const QString& caption, QWidget* parent) {
  // Both pages have the payee columns; the page only tells the lists apart.
  Q_UNUSED(localPage);
  TFormNotUpdated form(
      prompts, caption,
      new TRecordListModel<TOwningList<TPayeeInfo>>(payees, PayeeColumns(), &PayeeCell, true),
      parent);
  prompts.RunModal(form);
}
