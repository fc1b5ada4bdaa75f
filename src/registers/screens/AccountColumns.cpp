#include "registers/screens/AccountColumns.h"

QList<TColumnDef> PayerColumns() {
  return {{QStringLiteral("序号"), 48, TColumnAlignment::Center},
          {QStringLiteral("付款账号"), 170, TColumnAlignment::Left},
          {QStringLiteral("付款账户名称"), 240, TColumnAlignment::Left},
          {QStringLiteral("开户行全称"), 240, TColumnAlignment::Left},
          {QStringLiteral("分组名称"), 110, TColumnAlignment::Left},
          {QStringLiteral("账户别名"), 110, TColumnAlignment::Left},
          {QStringLiteral("账户类别"), 80, TColumnAlignment::Center}};
}

QString PayerCell(const TPayerInfo& payer, int col) {
  switch (col) {
    case 1:
      return payer.PayAccNo;
    case 2:
      return payer.PayAccName;
    case 3:
      return payer.CounterName;
    case 4:
      return payer.SortId;
    case 5:
      return payer.AccAlias;
    case 6:
      return payer.RightTypeText();
    default:
      return {};
  }
}

QList<TColumnDef> PayeeColumns() {
  return {{QStringLiteral("序号"), 48, TColumnAlignment::Center},
          {QStringLiteral("收款账号"), 170, TColumnAlignment::Left},
          {QStringLiteral("收款账户名称"), 240, TColumnAlignment::Left},
          {QStringLiteral("开户行全称"), 240, TColumnAlignment::Left},
          {QStringLiteral("分组名称"), 110, TColumnAlignment::Left},
          {QStringLiteral("账户别名"), 110, TColumnAlignment::Left},
          {QStringLiteral("所属银行"), 80, TColumnAlignment::Center}};
}

QString PayeeCell(const TPayeeInfo& payee, int col) {
  switch (col) {
    case 1:
      return payee.RcvAccNo;
    case 2:
      return payee.RcvAccName;
    case 3:
      return payee.CounterName;
    case 4:
      return payee.SortID;
    case 5:
      return payee.AccAlias;
    case 6:
      return payee.BankCategoryText();
    default:
      return {};
  }
}
