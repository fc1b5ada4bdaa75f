#pragma once

#include <QList>
#include <QString>
#include <functional>

#include "core/OwningList.h"
#include "registers/records/PayeeInfo.h"
#include "registers/records/PayerInfo.h"
#include "widgets/base/ClientDialog.h"
#include "widgets/grid/ColumnDef.h"

class TListModel;
class TMapleGrid;

// The accounts that an import found already registered and left as they were,
// shown modally with one button "关闭".
class TFormNotUpdated : public TClientDialog {
  Q_OBJECT
 public:
  static void ShowPayers(TPrompts& prompts, const TOwningList<TPayerInfo>& payers,
                         const QString& caption, QWidget* parent);
  // The payee and the local page show the same columns.
  static void ShowPayees(TPrompts& prompts, const TOwningList<TPayeeInfo>& payees, bool localPage,
                         const QString& caption, QWidget* parent);

 private:
  // The dialog shows the model, which it takes.
  TFormNotUpdated(TPrompts& prompts, const QString& caption, TListModel* model, QWidget* parent);

  TMapleGrid* grid_ = nullptr;
};
