#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "platform/prompts/ScriptedPrompts.h"
#include "registers/screens/FormDefPayer.h"
#include "support/StartedRegisters.h"
#include "support/TempAppDir.h"

namespace {

class FormDefPayerTest : public testing::Test {
 protected:
  TPayerInfo& Add(const char* accNo, const char* group, const char* alias) {
    TPayerInfo& payer = data.Payers.Append(std::make_unique<TPayerInfo>());
    payer.PayAccNo = accNo;
    payer.SortId = group;
    payer.AccAlias = alias;
    return payer;
  }
  QLineEdit* Edit(const char* name) {
    auto* edit = form.findChild<QLineEdit*>(name);
    EXPECT_NE(edit, nullptr) << name;
    return edit;
  }
  QComboBox* List(const char* name) {
    auto* list = form.findChild<QComboBox*>(name);
    EXPECT_NE(list, nullptr) << name;
    return list;
  }
  static QStringList Items(QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items;
  }
  // Runs the dialog with group and alias set as given, then "确定".
  bool Edit(TPayerInfo& payer, const char* group, const char* alias) {
    prompts.AnswerModal([&, group, alias](QDialog&) {
      List("cmbSortId")->setEditText(group);
      List("cmbAlias")->setEditText(alias);
      form.btnOkClick();
      return form.result();
    });
    return form.Execute(payer);
  }

  TempAppDir app;
  TScriptedPrompts prompts;
  TStartedRegisters data{app.Path()};
  TFormDefPayer form{TRegisterContext{{prompts, {}}, data, &TSpreadsheetApp::Start}};
};

TEST_F(FormDefPayerTest, showsThePayerWithTheGroupsAndAliasesOfAllPayers) {
  TPayerInfo& payer = Add("1100001", "工资户", "");
  payer.PayAccName = "北方重工集团";
  payer.BranchName = "北京市分行";
  payer.CounterName = "北京西城支行";
  payer.RightType = "1";
  payer.Balance = *TAmount::Parse(u"1234567.805");
  payer.BalanceDate = "20240131";
  Add("1100002", "基本户", "备用");
  Add("1100003", "工资户", "Alpha");
  Add("1100004", "", "alpha");

  form.ShowPayer(payer);
  EXPECT_EQ(form.windowTitle(), "付款账户");
  EXPECT_EQ(Edit("edtPayAccNo")->text(), "1100001");
  EXPECT_EQ(Edit("edtPayAccName")->text(), "北方重工集团");
  EXPECT_EQ(Edit("edtBranchName")->text(), "北京市分行");
  EXPECT_EQ(Edit("edtCounterName")->text(), "北京西城支行");
  EXPECT_EQ(Edit("edtRightType")->text(), "授权");
  EXPECT_EQ(Edit("edtBalance")->text(), "1,234,567.81");
  EXPECT_EQ(Edit("edtBalanceDate")->text(), "20240131");
  for (const char* shown : {"edtPayAccNo", "edtPayAccName", "edtBranchName", "edtCounterName",
                            "edtRightType", "edtBalance", "edtBalanceDate"})
    EXPECT_TRUE(Edit(shown)->isReadOnly()) << shown;

  EXPECT_EQ(List("cmbSortId")->currentText(), "工资户");
  EXPECT_EQ(List("cmbAlias")->currentText(), "");
  EXPECT_EQ(Items(List("cmbSortId")).size(), 2);
  EXPECT_TRUE(Items(List("cmbSortId")).contains("基本户"));
  EXPECT_EQ(Items(List("cmbAlias")).size(), 3);
  EXPECT_EQ(List("cmbSortId")->lineEdit()->maxLength(), 20);
  EXPECT_EQ(List("cmbAlias")->lineEdit()->maxLength(), 20);

  // A zero balance shows blank.
  TPayerInfo& empty = Add("1100005", "", "");
  form.ShowPayer(empty);
  EXPECT_EQ(Edit("edtBalance")->text(), "");
  EXPECT_EQ(Edit("edtRightType")->text(), "");
}

TEST_F(FormDefPayerTest, answersTrueOnlyWhenGroupOrAliasChanged) {
  TPayerInfo& payer = Add("1100001", "工资户", "甲");

  EXPECT_FALSE(Edit(payer, "工资户", "甲"));
  EXPECT_EQ(form.result(), QDialog::Accepted);

  EXPECT_TRUE(Edit(payer, "工资户", "乙"));
  EXPECT_EQ(payer.AccAlias, "乙");
  EXPECT_TRUE(Edit(payer, "", "乙"));
  EXPECT_EQ(payer.SortId, "");
  EXPECT_EQ(payer.AccAlias, "乙");

  // "取消" keeps both.
  prompts.AnswerModal([&](QDialog&) {
    List("cmbSortId")->setEditText("新组");
    form.findChild<QPushButton*>("btnCancel")->click();
    return form.result();
  });
  EXPECT_FALSE(form.Execute(payer));
  EXPECT_EQ(payer.SortId, "");
  ASSERT_EQ(prompts.ModalRuns().size(), 4u);
  EXPECT_EQ(prompts.ModalRuns()[0].WindowTitle, "付款账户");
}

TEST_F(FormDefPayerTest, aLongerGroupFromTheFileIsShownWholeAndKeptWhenUnchanged) {
  TPayerInfo& payer = Add("1100001", "一二三四五六七八九十一二三四五六七八九十超长", "");
  EXPECT_FALSE(Edit(payer, "一二三四五六七八九十一二三四五六七八九十超长", ""));
  EXPECT_EQ(payer.SortId, "一二三四五六七八九十一二三四五六七八九十超长");
}

}  // namespace
