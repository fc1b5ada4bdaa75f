#include <QPushButton>

#include "BookFixture.h"
#include "registers/screens/FormNotUpdated.h"
#include "support/Children.h"

namespace {

using FormNotUpdatedTest = BookFixture;

// Column titles, every row's cells and the buttons, as the modal run met them.
TScriptedPrompts::ModalScript Record(QStringList& seen) {
  return [&seen](QDialog& dialog) {
    const TMapleGrid& grid = Child<TMapleGrid>(dialog, "grdList");
    for (int row = -1; row < grid.TotalRowCount(); ++row) {
      QStringList cells;
      for (int col = 0; col < grid.ColumnCount(); ++col)
        cells << (row < 0 ? grid.Column(col).Title() : grid.CellText(col, row));
      seen << cells.join('|');
    }
    for (const QPushButton* button : dialog.findChildren<QPushButton*>()) seen << button->text();
    return int(QDialog::Accepted);
  };
}

TEST_F(FormNotUpdatedTest, listsPayersOrPayeesWithTheirColumnsAndOneButton) {
  TOwningList<TPayerInfo> payers;
  payers.Append(std::make_unique<TPayerInfo>(Payer("3100012345001", "总部")));
  payers[0].RightType = "1";
  QStringList seen;
  prompts.AnswerModal(Record(seen));
  TFormNotUpdated::ShowPayers(prompts, payers, "付款未更新", nullptr);
  EXPECT_EQ(prompts.ModalRuns()[0].WindowTitle, "付款未更新");
  EXPECT_EQ(seen, QStringList({"序号|付款账号|付款账户名称|开户行全称|分组名称|账户别名|账户类别",
                               "1|3100012345001|公司3100012345001||总部||授权", "关闭"}));

  // The payee and the local page show the payee columns.
  TOwningList<TPayeeInfo> payees;
  payees.Append(std::make_unique<TPayeeInfo>(Payee("P2", "0")));
  seen.clear();
  prompts.AnswerModal(Record(seen));
  TFormNotUpdated::ShowPayees(prompts, payees, true, "收款未更新", nullptr);
  EXPECT_EQ(seen, QStringList({"序号|收款账号|收款账户名称|开户行全称|分组名称|账户别名|所属银行",
                               "1|P2|收款人||||他行", "关闭"}));
}

}  // namespace
