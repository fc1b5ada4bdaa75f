#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include "platform/prompts/ScriptedPrompts.h"
#include "widgets/base/PromptMissing.h"

namespace {

class PromptMissingTest : public testing::Test {
 protected:
  PromptMissingTest() {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(first);
    layout->addWidget(second);
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    first->setFocus();
  }

  TScriptedPrompts prompts;
  QWidget window;
  QLineEdit* first = new QLineEdit(&window);
  QLineEdit* second = new QLineEdit(&window);
};

TEST_F(PromptMissingTest, asksForTheInputAndMovesTheFocusToIt) {
  ASSERT_EQ(QApplication::focusWidget(), first);
  EXPECT_TRUE(PromptMissing(prompts, second, true, "客户号", false));
  ASSERT_EQ(prompts.Messages().size(), 1u);
  const TScriptedMessage& message = prompts.Messages()[0];
  EXPECT_EQ(message.Icon, QMessageBox::Information);
  EXPECT_EQ(message.Caption, "系统提示");
  EXPECT_EQ(message.Text, "请输入客户号!");
  EXPECT_EQ(QApplication::focusWidget(), second);
}

TEST_F(PromptMissingTest, showsALiteralTextAsItIs) {
  EXPECT_TRUE(PromptMissing(prompts, second, true, "两次密码不一致", true));
  EXPECT_EQ(prompts.LastMessage().Text, "两次密码不一致");
  EXPECT_EQ(QApplication::focusWidget(), second);
}

TEST_F(PromptMissingTest, saysNothingAndLeavesTheFocusWhenNothingIsMissing) {
  EXPECT_FALSE(PromptMissing(prompts, second, false, "客户号", false));
  EXPECT_TRUE(prompts.Messages().empty());
  EXPECT_EQ(QApplication::focusWidget(), first);
}

}  // namespace
