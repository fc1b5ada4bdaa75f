#include "certpay/screens/FormCreateCertPayAddInfo.h"

TFormCreateCertPayAddInfo::TFormCreateCertPayAddInfo(TPrompts& prompts, QWidget* parent)
    : TCertEntryDialog(prompts, QStringLiteral("FormCreateCertPayAddInfo"),
                       QStringLiteral("中央财政支付附加信息"), &CheckCertAddInfo, parent) {
  using A = TCertAddInfo;
  AddField("edtBudgetManage", QStringLiteral("预算管理："), &A::BudgetManage);
  AddField("edtFuncType", QStringLiteral("功能分类："), &A::FuncType);
  AddField("edtEconomyType", QStringLiteral("经济分类："), &A::EconomyType);
  AddField("edtPayoutType", QStringLiteral("支出类型："), &A::PayoutType);
  AddField("edtBudgetSource", QStringLiteral("预算来源："), &A::BudgetSource);
  AddField("edtProjectId", QStringLiteral("关联号："), &A::ProjectId);
  AddButtons();
}
