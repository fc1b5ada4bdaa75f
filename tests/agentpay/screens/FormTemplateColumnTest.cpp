#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "agentpay/screens/FormTemplateColumn.h"
#include "platform/prompts/ScriptedPrompts.h"
#include "support/Children.h"

namespace {

TEST(FormTemplateColumn, aBlankNameIsRefusedAndCancelGivesNothing) {
  TScriptedPrompts prompts;
  TFormTemplateColumn dialog(prompts);
  EXPECT_EQ(dialog.windowTitle(), "自定义模板");
  prompts.AnswerModal([&](QDialog& shown) {
    EXPECT_EQ(Child<QLineEdit>(shown, "edtPosition").text(), "3");
    EXPECT_TRUE(Child<QLineEdit>(shown, "edtPosition").isReadOnly());
    Child<QLineEdit>(shown, "edtName").setText("  ");
    Child<QPushButton>(shown, "btnOk").click();
    EXPECT_EQ(prompts.LastMessage().Text, "列名称不能为空");
    EXPECT_EQ(prompts.LastMessage().Caption, "系统提示");
    Child<QLineEdit>(shown, "edtName").setText("户名");
    Child<QPushButton>(shown, "btnOk").click();
    return shown.result();
  });
  EXPECT_EQ(dialog.Execute(3, ""), "户名");

  prompts.AnswerModal(QDialog::Rejected);
  EXPECT_EQ(dialog.Execute(1, "账号"), std::nullopt);
}

}  // namespace
