#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "agentpay/records/PayRecords.h"
#include "agentpay/screens/FormFileChange.h"
#include "agentpay/screens/PayRowsModel.h"
#include "platform/prompts/ScriptedPrompts.h"
#include "support/Children.h"

namespace {

TEST(FormFileChange, theRangeIsCheckedAndTheSeparatorAskedForTextFilesOnly) {
  TScriptedPrompts prompts;
  TFormFileChange dialog(prompts);
  EXPECT_EQ(dialog.windowTitle(), "文件转换");
  prompts.AnswerModal([&](QDialog& shown) {
    EXPECT_EQ(Child<QLineEdit>(shown, "edtBegin").text(), "1");
    EXPECT_EQ(Child<QLineEdit>(shown, "edtEnd").text(), "40");
    EXPECT_FALSE(Child<QLineEdit>(shown, "edtSeparator").isHidden());
    Child<QLineEdit>(shown, "edtBegin").clear();
    QTest::keyClicks(&Child<QLineEdit>(shown, "edtBegin"), "0");
    EXPECT_EQ(Child<QLineEdit>(shown, "edtBegin").text(), "2");
    Child<QLineEdit>(shown, "edtBegin").setText("41");
    Child<QPushButton>(shown, "btnOk").click();
    EXPECT_EQ(prompts.LastMessage().Text, "开始行不能大于结束行！");
    Child<QLineEdit>(shown, "edtBegin").setText("3");
    Child<QLineEdit>(shown, "edtSeparator").setText(",");
    Child<QPushButton>(shown, "btnOk").click();
    return shown.result();
  });
  const std::optional<TFormFileChange::TRange> range = dialog.Execute(40, true, "|");
  ASSERT_TRUE(range);
  EXPECT_EQ(range->Begin, 3);
  EXPECT_EQ(range->End, 40);
  EXPECT_EQ(range->Separator, ",");

  prompts.AnswerModal([&](QDialog& shown) {
    EXPECT_EQ(Child<QLineEdit>(shown, "edtBegin").text(), "1");
    EXPECT_TRUE(Child<QLineEdit>(shown, "edtSeparator").isHidden());
    return int(QDialog::Rejected);
  });
  EXPECT_FALSE(dialog.Execute(1, false, "|"));
}

}  // namespace

namespace {

TEST(PayRowsModel, cellsChangeOnlyInEditModeUnderTheTemplateCaptions) {
  TPayRecords records;
  TPayTemplate salary;
  salary.Money = 2;
  salary.Columns = {{"户名", 1}, {"金额", 2}};
  records.SetTemplate(salary);
  TPayRowsModel model(records);
  EXPECT_EQ(model.rowCount(), 1);
  EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "金额");
  const QModelIndex amount = model.index(0, 1);
  EXPECT_FALSE(model.setData(amount, "100"));
  EXPECT_FALSE(model.flags(amount) & Qt::ItemIsEditable);
  model.SetEditing(true);
  EXPECT_TRUE(model.setData(amount, "100"));
  EXPECT_EQ(records.Rows()[0], QStringList({"", "100"}));
  EXPECT_EQ(model.data(amount).toString(), "100");
}

}  // namespace
