#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "agentpay/screens/FormTemplate.h"
#include "agentpay/screens/TemplateUsers.h"
#include "platform/prompts/ScriptedPrompts.h"
#include "support/Children.h"
#include "widgets/grid/MapleGrid.h"

namespace {

struct TFakeUsers : TTemplateUsers {
  bool HoldsRecords() const override { return Records; }
  void SaveRecords() override { Calls += "save;"; }
  void ClearRecords(bool endSign) override { Calls += endSign ? "clear 1;" : "clear 0;"; }
  void Activate(const TPayTemplate& payTemplate) override {
    Calls += "activate;";
    Active = payTemplate;
  }
  bool Records = true;
  QString Calls;
  TPayTemplate Active;
};

class FormTemplateTest : public testing::Test {
 protected:
  // The next column dialog gets the name typed and "确定".
  void NameColumn(const char* name) {
    prompts.AnswerModal([name](QDialog& dialog) {
      Child<QLineEdit>(dialog, "edtName").setText(QString::fromUtf8(name));
      Child<QPushButton>(dialog, "btnOk").click();
      return dialog.result();
    });
  }
  void Click(const char* button) { Child<QPushButton>(editor, button).click(); }
  QString File(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

  QTemporaryDir dir;
  TScriptedPrompts prompts;
  TFakeUsers users;
  TFormTemplate editor{prompts, dir.path(), &users};
};

TEST_F(FormTemplateTest, columnsAreInsertedAfterTheSelectedRowAndTheSavedTemplateBecomesActive) {
  EXPECT_EQ(editor.windowTitle(), "制定代发代扣模板");
  EXPECT_FALSE(Child<QPushButton>(editor, "btnSave").isEnabled());
  for (const char* name : {"账号", "户名", "金额"}) {
    NameColumn(name);
    Click("btnInsert");
  }
  Child<TMapleGrid>(editor, "grdColumns").SetCurrentCell(0, 0);
  NameColumn("备注");
  Click("btnInsert");
  EXPECT_EQ(editor.Draft().Columns(),
            QList<TPayColumn>({{"账号", 1}, {"备注", 2}, {"户名", 3}, {"金额", 4}}));
  prompts.Answer(QMessageBox::Yes);
  Click("btnDelete");
  EXPECT_EQ(prompts.LastMessage().Text, "确实要删除列吗？");
  EXPECT_EQ(editor.Draft().Columns(), QList<TPayColumn>({{"账号", 1}, {"户名", 2}, {"金额", 3}}));
  EXPECT_FALSE(editor.IsSaved());

  Child<QLineEdit>(editor, "edtMoney").setText("4");
  Click("btnSave");
  EXPECT_EQ(prompts.LastMessage().Text, "请重新指定金额列");
  EXPECT_TRUE(users.Calls.isEmpty());

  Child<QLineEdit>(editor, "edtMoney").clear();
  QTest::keyClicks(&Child<QLineEdit>(editor, "edtMoney"), "0");
  EXPECT_EQ(Child<QLineEdit>(editor, "edtMoney").text(), "1");
  Child<QLineEdit>(editor, "edtMoney").setText("3");
  Child<QCheckBox>(editor, "chkIfAddEndSign").setChecked(true);
  prompts.Answer(QMessageBox::Yes);
  prompts.AnswerFile(File("工资"));
  Click("btnSave");
  EXPECT_EQ(users.Calls, "save;clear 1;activate;");
  EXPECT_EQ(prompts.LastMessage().Text, "模板文件导出成功！");
  EXPECT_TRUE(editor.IsSaved());

  TPayTemplate expected;
  expected.Money = 3;
  expected.IfAddEndSign = true;
  expected.Columns = {{"账号", 1}, {"户名", 2}, {"金额", 3}};
  EXPECT_EQ(users.Active, expected);
  QFile saved(File("工资.xml"));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readAll(), TemplateFileBytes(expected));
  EXPECT_EQ(ReadActiveTemplatePath(dir.path()), File("工资.xml"));
}

TEST_F(FormTemplateTest, openingShowsTheTemplateAndAnUnsavedEditorAsksBeforeClosing) {
  QFile hand(File("hand.xml"));
  ASSERT_TRUE(hand.open(QIODevice::WriteOnly));
  hand.write(
      "<Templates><ListSeparator>,</ListSeparator><Money>2</Money><WorkAround>2</WorkAround>"
      "<cluse><ColName>A</ColName><ColPosition>3</ColPosition></cluse>"
      "<cluse><ColName>B</ColName><ColPosition>1</ColPosition></cluse></Templates>");
  hand.close();
  prompts.AnswerFile(hand.fileName());
  Click("btnOpen");
  EXPECT_EQ(editor.Draft().Columns(), QList<TPayColumn>({{"A", 3}, {"B", 1}}));
  EXPECT_EQ(Child<QLineEdit>(editor, "edtListSeparator").text(), ",");
  EXPECT_EQ(Child<QLineEdit>(editor, "edtWorkAround").text(), "2");
  EXPECT_EQ(Child<QLineEdit>(editor, "edtUbankNo").text(), "");
  EXPECT_TRUE(Child<QPushButton>(editor, "btnSave").isEnabled());

  QFile broken(File("broken.xml"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("<Templates><Money>");
  broken.close();
  prompts.AnswerFile(broken.fileName());
  Click("btnOpen");
  EXPECT_EQ(prompts.LastMessage().Text, "读取文件出错，请检查文件是否是正确的XML格式文件！");
  EXPECT_EQ(editor.Draft().Columns().size(), 2);

  Child<TMapleGrid>(editor, "grdColumns").SetCurrentCell(0, 1);
  prompts.Answer(QMessageBox::Yes);
  Click("btnDelete");
  editor.show();
  prompts.Answer(QMessageBox::Cancel);
  Click("btnExit");
  EXPECT_EQ(prompts.LastMessage().Text, "当前模板尚未保存，是否退出？");
  EXPECT_TRUE(editor.isVisible());
  prompts.Answer(QMessageBox::Ok);
  Click("btnExit");
  EXPECT_FALSE(editor.isVisible());
}

}  // namespace
