#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <functional>

#include "registers/records/PayeeInfo.h"
#include "registers/records/PayerInfo.h"
#include "shell/OwningList.h"
#include "shell/grid/MapleColumn.h"

class TMapleGrid;

// The accounts that an import found already registered and left as they were,
// shown modally with one button "关闭".
class TFormNotUpdated : public QDialog {
  Q_OBJECT
 public:
  static void ShowPayers(const TOwningList<TPayerInfo>& payers, const QString& caption,
                         QWidget* parent);
  // The payee and the local page show the same columns.
  static void ShowPayees(const TOwningList<TPayeeInfo>& payees, bool localPage,
                         const QString& caption, QWidget* parent);

  TMapleGrid& Grid() const { return *grid_; }

 private:
  using CellText = std::function<QString(int col, int row)>;
  TFormNotUpdated(const QString& caption, const QList<TColumnSpec>& columns, int count,
                  CellText cellText, QWidget* parent);

  TMapleGrid* grid_ = nullptr;
};
