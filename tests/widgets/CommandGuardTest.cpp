#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <stdexcept>

#include "core/AppInfo.h"
#include "platform/errors/ClerkError.h"
#include "platform/prompts/ScriptedPrompts.h"
#include "widgets/base/CommandGuard.h"
#include "widgets/base/FormOriginal.h"

namespace {

// A screen whose button runs whatever command the test gives it.
class CommandGuardTest : public testing::Test {
 protected:
  CommandGuardTest() : screen(TScreenServices{prompts, {}}) {
    button = new QPushButton(QStringLiteral("执行"), &screen);
    ConnectClick(button, prompts, [this] { command(); });
    screen.show();
  }

  void Click() { QTest::mouseClick(button, Qt::LeftButton); }

  TScriptedPrompts prompts;
  TFormOriginal screen;
  QPushButton* button = nullptr;
  std::function<void()> command;
};

TEST_F(CommandGuardTest, anArbitraryExceptionShowsTheFixedMessageAndTheWindowGoesOn) {
  command = [] { throw std::runtime_error("vector::_M_range_check: __n (which is 7)"); };
  Click();
  ASSERT_EQ(prompts.Messages().size(), 1u);
  EXPECT_EQ(prompts.LastMessage().Icon, QMessageBox::Critical);
  EXPECT_EQ(prompts.LastMessage().Caption, AppTitle());
  EXPECT_EQ(prompts.LastMessage().Text, UnexpectedErrorText());
  EXPECT_FALSE(prompts.LastMessage().Text.contains(QStringLiteral("vector")));

  // Something that is not even an exception class is caught the same way.
  command = [] { throw 42; };
  Click();
  EXPECT_EQ(prompts.LastMessage().Text, UnexpectedErrorText());

  // The window still takes commands.
  int runs = 0;
  command = [&runs] { ++runs; };
  Click();
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(screen.isVisible());
  EXPECT_TRUE(screen.isEnabled());
  EXPECT_EQ(prompts.Messages().size(), 2u);
}

TEST_F(CommandGuardTest, anErrorMeantForTheClerkShowsItsMessageUnderItsCaption) {
  command = [] { throw TClerkError(QStringLiteral("无法写入文件 a.txt：磁盘已满")); };
  Click();
  EXPECT_EQ(prompts.LastMessage().Caption, AppTitle());
  EXPECT_EQ(prompts.LastMessage().Text, QStringLiteral("无法写入文件 a.txt：磁盘已满"));

  command = [] { throw TClerkError(QStringLiteral("查询失败。"), QStringLiteral("警告")); };
  Click();
  EXPECT_EQ(prompts.LastMessage().Caption, QStringLiteral("警告"));
  EXPECT_EQ(prompts.LastMessage().Text, QStringLiteral("查询失败。"));
}

TEST_F(CommandGuardTest, guardedSignalsPassTheirArgumentsOn) {
  QComboBox box(&screen);
  box.addItems({QStringLiteral("甲"), QStringLiteral("乙")});
  int chosen = -1;
  QObject::connect(&box, &QComboBox::activated, &screen, Guarded(prompts, [&chosen](int index) {
    chosen = index;
    throw std::logic_error("unexpected");
  }));
  Q_EMIT box.activated(1);
  EXPECT_EQ(chosen, 1);
  EXPECT_EQ(prompts.LastMessage().Text, UnexpectedErrorText());
}

}  // namespace
