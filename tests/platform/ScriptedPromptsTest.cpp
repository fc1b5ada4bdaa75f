#include <gtest/gtest.h>
#include <QDialog>
#include <QLineEdit>

#include "platform/prompts/ScriptedPrompts.h"

TEST(ScriptedPrompts, messagesTakeQueuedAnswersInOrderThenDefaults) {
  TScriptedPrompts prompts;
  prompts.answer(QMessageBox::No);
  prompts.answer(QMessageBox::Cancel);

  EXPECT_EQ(prompts.message(QMessageBox::Question, QStringLiteral("标题"), QStringLiteral("甲"),
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes),
            QMessageBox::No);
  EXPECT_EQ(prompts.message(QMessageBox::Warning, QStringLiteral("标题"), QStringLiteral("乙"),
                            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok),
            QMessageBox::Cancel);
  // Queue empty: the default button, or Ok when the box names none.
  EXPECT_TRUE(prompts.ask(QStringLiteral("退出联机"), QStringLiteral("丙")));
  prompts.info(QStringLiteral("提示"), QStringLiteral("丁"));

  ASSERT_EQ(prompts.messages().size(), 4u);
  const TScriptedMessage& first = prompts.messages()[0];
  EXPECT_EQ(first.icon, QMessageBox::Question);
  EXPECT_EQ(first.caption, QStringLiteral("标题"));
  EXPECT_EQ(first.buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_TRUE(first.scripted);

  const TScriptedMessage& asked = prompts.messages()[2];
  EXPECT_EQ(asked.icon, QMessageBox::Question);
  EXPECT_EQ(asked.buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(asked.answer, QMessageBox::Yes);
  EXPECT_FALSE(asked.scripted);

  EXPECT_EQ(prompts.lastMessage().icon, QMessageBox::Information);
  EXPECT_EQ(prompts.lastMessage().answer, QMessageBox::Ok);
  EXPECT_EQ(prompts.messageTexts(), (QStringList{QStringLiteral("甲"), QStringLiteral("乙"),
                                                 QStringLiteral("丙"), QStringLiteral("丁")}));
  EXPECT_EQ(prompts.pendingAnswers(), 0);
}

TEST(ScriptedPrompts, fileAndInputDialogsAnswerFromQueueAndCancelWhenEmpty) {
  TScriptedPrompts prompts;
  prompts.answerFile(QStringLiteral("/data/a.txt"));
  prompts.answerFiles({QStringLiteral("/data/b.xls"), QStringLiteral("/data/c.xls")});
  prompts.answerText(QStringLiteral("新用途"));
  prompts.answerText(std::nullopt);

  EXPECT_EQ(prompts.openFileName(QStringLiteral("打开"), QStringLiteral("/data"), QString()),
            QStringLiteral("/data/a.txt"));
  EXPECT_EQ(prompts.openFileNames(QStringLiteral("打开"), QStringLiteral("/data"), QString()),
            (QStringList{QStringLiteral("/data/b.xls"), QStringLiteral("/data/c.xls")}));
  EXPECT_EQ(prompts.saveFileName(QStringLiteral("保存"), QStringLiteral("/out/x.txt"),
                                 QStringLiteral("文本文件 (*.txt)")),
            QString());
  EXPECT_EQ(prompts.inputText(QStringLiteral("用途"), QStringLiteral("输入"), QString()),
            std::optional<QString>(QStringLiteral("新用途")));
  EXPECT_EQ(prompts.inputText(QStringLiteral("用途"), QStringLiteral("输入"), QString()),
            std::nullopt);
  EXPECT_EQ(prompts.inputText(QStringLiteral("用途"), QStringLiteral("输入"), QString()),
            std::nullopt);

  ASSERT_EQ(prompts.fileDialogs().size(), 3u);
  const TScriptedFileDialog& save = prompts.fileDialogs()[2];
  EXPECT_EQ(save.kind, TScriptedFileDialog::Save);
  EXPECT_EQ(save.path, QStringLiteral("/out/x.txt"));
  EXPECT_EQ(save.filter, QStringLiteral("文本文件 (*.txt)"));
  EXPECT_FALSE(save.scripted);
  ASSERT_EQ(prompts.inputs().size(), 3u);
  EXPECT_TRUE(prompts.inputs()[1].scripted);
  EXPECT_FALSE(prompts.inputs()[2].scripted);
}

TEST(ScriptedPrompts, modalRunsLetTheScriptFillTheDialogAndRejectWhenEmpty) {
  TScriptedPrompts prompts;
  QDialog dialog;
  dialog.setObjectName(QStringLiteral("TfmLogon"));
  dialog.setWindowTitle(QStringLiteral("登陆"));
  auto* edit = new QLineEdit(&dialog);
  edit->setObjectName(QStringLiteral("edtCustId"));

  prompts.answerModal([](QDialog& d) {
    d.findChild<QLineEdit*>(QStringLiteral("edtCustId"))->setText(QStringLiteral("1001"));
    return int(QDialog::Accepted);
  });
  EXPECT_EQ(prompts.runModal(dialog), QDialog::Accepted);
  EXPECT_EQ(edit->text(), QStringLiteral("1001"));
  EXPECT_EQ(dialog.result(), QDialog::Accepted);

  EXPECT_EQ(prompts.runModal(dialog), QDialog::Rejected);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);

  ASSERT_EQ(prompts.modalRuns().size(), 2u);
  EXPECT_EQ(prompts.modalRuns()[0].objectName, QStringLiteral("TfmLogon"));
  EXPECT_EQ(prompts.modalRuns()[0].windowTitle, QStringLiteral("登陆"));
  EXPECT_TRUE(prompts.modalRuns()[0].scripted);
  EXPECT_FALSE(prompts.modalRuns()[1].scripted);
  EXPECT_FALSE(dialog.isVisible());
}

TEST(ScriptedPrompts, recordsOpenedUrlsAndScopesInstallAndRestore) {
  TScriptedPrompts outer;
  TScriptedPrompts inner;
  {
    TPromptsScope outerScope(outer);
    EXPECT_EQ(&Prompts(), &outer);
    {
      TPromptsScope innerScope(inner);
      inner.setOpenUrlResult(false);
      EXPECT_FALSE(Prompts().openUrl(QUrl(QStringLiteral("https://b2b.weilingbank.example/"))));
    }
    EXPECT_EQ(&Prompts(), &outer);
    EXPECT_TRUE(Prompts().openUrl(QUrl::fromLocalFile(QStringLiteral("/opt/help.html"))));
  }
  EXPECT_NE(&Prompts(), &outer);
  EXPECT_EQ(inner.openedUrls(),
            QList<QUrl>{QUrl(QStringLiteral("https://b2b.weilingbank.example/"))});
  EXPECT_EQ(outer.openedUrls(), QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/opt/help.html"))});
}
