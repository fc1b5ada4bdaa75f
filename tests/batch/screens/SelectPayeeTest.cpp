#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

#include "MoneyFixture.h"
#include "batch/screens/fmSelectPayee.h"
#include "platform/codec/Gbk.h"
#include "registers/screens/FormDefPayee.h"
#include "support/Children.h"
#include "widgets/grid/MapleGrid.h"

namespace {

const char* const kBranchXml =
    "<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n<AreaCodeConf>"
    "<Branch><BranchCode>110</BranchCode><BranchName>北京市分行</BranchName>"
    "<Counter><CounterNo>110002</CounterNo><CounterName>北京朝阳支行</CounterName>"
    "<UBankNo>313100000028</UBankNo></Counter></Branch></AreaCodeConf>";

class SelectPayeeTest : public MoneyFixture {
 protected:
  SelectPayeeTest() {
    app.Write("param/branch.xml", codec::ToGbk(QString::fromUtf8(kBranchXml)));
    AddPayee("2001", "1");
    AddPayee("2002", "0");
    AddLocal("2002", "1");
    AddLocal("3001", "0");
  }
  static QStringList Column(const TMapleGrid& grid, int col) {
    QStringList texts;
    for (int row = 0; row < grid.TotalRowCount(); ++row) texts << grid.CellText(col, row);
    return texts;
  }
  static void Pick(QComboBox* list, const QString& text) {
    const int index = list->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    list->setCurrentIndex(index);
    Q_EMIT list->activated(index);
  }
};

TEST_F(SelectPayeeTest, listsRegisterThenLocalEntriesNumberedAndShadedApart) {
  TfmSelectPayee form(Context());
  EXPECT_EQ(form.windowTitle(), "收款账户查询");
  form.ShowList("3001");
  EXPECT_EQ(Column(Child<TMapleGrid>(form, "grdPayee"), 0), QStringList({"1", "2", "1", "2"}));
  EXPECT_EQ(Column(Child<TMapleGrid>(form, "grdPayee"), 1),
            QStringList({"2001", "2002", "2002", "3001"}));
  EXPECT_EQ(Column(Child<TMapleGrid>(form, "grdPayee"), 6),
            QStringList({"维行", "他行", "维行", "他行"}));
  EXPECT_EQ(Child<TMapleGrid>(form, "grdPayee").Row(), 3);
  const QColor shaded = Child<TMapleGrid>(form, "grdPayee").CellColor(2, 0);
  EXPECT_EQ(Child<TMapleGrid>(form, "grdPayee").CellColor(2, 1), shaded);
  EXPECT_NE(Child<TMapleGrid>(form, "grdPayee").CellColor(2, 2), shaded);

  form.ShowList("2002");  // in both registers: the register's entry
  EXPECT_EQ(Child<TMapleGrid>(form, "grdPayee").Row(), 1);
  form.ShowList("nowhere");
  EXPECT_EQ(Child<TMapleGrid>(form, "grdPayee").Row(), 0);
}

TEST_F(SelectPayeeTest, chooseCopiesTheCurrentEntry) {
  TPayeeInfo chosen;
  prompts.AnswerModal([](QDialog& dialog) {
    auto& form = dynamic_cast<TfmSelectPayee&>(dialog);
    form.btnSelectClick();
    return form.result();
  });
  EXPECT_TRUE(TfmSelectPayee::Choose(Context(), "3001", chosen));
  EXPECT_EQ(chosen.RcvAccNo, "3001");
  EXPECT_EQ(chosen.IsNVX, "0");

  chosen = TPayeeInfo();
  EXPECT_FALSE(TfmSelectPayee::Choose(Context(), "2001", chosen));  // closed unchosen
  EXPECT_EQ(chosen.RcvAccNo, "");

  data.Payees.Clear();
  data.LocalPayees.Clear();
  TfmSelectPayee empty(Context());
  empty.ShowList("");
  EXPECT_FALSE(empty.findChild<QPushButton*>("btnEdit")->isEnabled());
  empty.btnSelectClick();
  EXPECT_EQ(empty.ChosenRow(), -1);
}

TEST_F(SelectPayeeTest, addDefinesALocalPayeeAndSavesTheLocalRegister) {
  TfmSelectPayee form(Context());
  form.ShowList("");
  prompts.AnswerModal([this](QDialog& dialog) {
    auto& def = dynamic_cast<TFormDefPayee&>(dialog);
    def.findChild<QLineEdit*>("edtAccNo")->setText("4001");
    def.findChild<QLineEdit*>("edtAccName")->setText("新收款人");
    Pick(def.findChild<QComboBox*>("cmbBranch"), "北京市分行");
    Pick(def.findChild<QComboBox*>("cmbCounter"), "北京朝阳支行");
    def.btnOkClick();
    return def.result();
  });
  form.btnAddClick();
  EXPECT_TRUE(prompts.Messages().empty()) << prompts.LastMessage().Text.toStdString();
  EXPECT_EQ(Column(Child<TMapleGrid>(form, "grdPayee"), 1),
            QStringList({"2001", "2002", "2002", "3001", "4001"}));
  EXPECT_EQ(Column(Child<TMapleGrid>(form, "grdPayee"), 0).last(), "3");

  TStartedRegisters reread(app.Path());
  ASSERT_EQ(reread.LocalPayees.Count(), 3);
  EXPECT_EQ(reread.LocalPayees[2].RcvAccName, "新收款人");
  EXPECT_EQ(reread.Payees.Count(), 0);  // only the local register was written

  // Cancelled: nothing added.
  form.btnAddClick();
  EXPECT_EQ(data.LocalPayees.Count(), 3);
}

TEST_F(SelectPayeeTest, editChangesTheEntryOfTheRegisterItBelongsTo) {
  TfmSelectPayee form(Context());
  form.ShowList("2001");
  // Register mode locks the account name of a register entry, local mode does not.
  auto realias = [this](const QString& alias, bool nameLocked) {
    prompts.AnswerModal([alias, nameLocked](QDialog& dialog) {
      auto& def = dynamic_cast<TFormDefPayee&>(dialog);
      EXPECT_EQ(def.findChild<QLineEdit*>("edtAccName")->isReadOnly(), nameLocked);
      def.findChild<QComboBox*>("cmbAlias")->setEditText(alias);
      def.btnOkClick();
      return def.result();
    });
  };
  realias("注册别名", true);
  form.btnEditClick();
  EXPECT_TRUE(prompts.Messages().empty()) << prompts.LastMessage().Text.toStdString();
  EXPECT_TRUE(QFile::exists(app.File("param/Payee.xml")));
  EXPECT_FALSE(QFile::exists(app.File("param/PayeeLocal.xml")));
  EXPECT_EQ(data.Payees[0].AccAlias, "注册别名");
  EXPECT_EQ(data.LocalPayees[0].AccAlias, "");

  // The local row of an account the register holds too.
  Child<TMapleGrid>(form, "grdPayee").SetCurrentCell(1, 2);
  realias("本地别名", false);
  form.btnEditClick();
  EXPECT_TRUE(prompts.Messages().empty()) << prompts.LastMessage().Text.toStdString();
  EXPECT_EQ(data.LocalPayees[0].AccAlias, "本地别名");
  EXPECT_EQ(data.Payees[1].AccAlias, "");
  EXPECT_EQ(Child<TMapleGrid>(form, "grdPayee").CellText(5, 2), "本地别名");
  EXPECT_EQ(Child<TMapleGrid>(form, "grdPayee").Row(), 2);
  TStartedRegisters reread(app.Path());
  ASSERT_EQ(reread.LocalPayees.Count(), 2);
  EXPECT_EQ(reread.LocalPayees[0].AccAlias, "本地别名");
  EXPECT_EQ(reread.Payees[0].AccAlias, "注册别名");
}

}  // namespace
