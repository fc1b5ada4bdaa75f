#include <gtest/gtest.h>
#include <QDialog>
#include <QLineEdit>

#include "platform/prompts/ScriptedPrompts.h"

TEST(ScriptedPrompts, messagesTakeQueuedAnswersInOrderThenDefaults) {
  TScriptedPrompts prompts;
  prompts.Answer(QMessageBox::No);
  prompts.Answer(QMessageBox::Cancel);

  EXPECT_EQ(prompts.Message(QMessageBox::Question, QStringLiteral("标题"), QStringLiteral("甲"),
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes),
            QMessageBox::No);
  EXPECT_EQ(prompts.Message(QMessageBox::Warning, QStringLiteral("标题"), QStringLiteral("乙"),
                            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok),
            QMessageBox::Cancel);
  // Queue empty: the default button, or Ok when the box names none.
  EXPECT_TRUE(prompts.Ask(QStringLiteral("退出联机"), QStringLiteral("丙")));
  prompts.Info(QStringLiteral("提示"), QStringLiteral("丁"));

  ASSERT_EQ(prompts.Messages().size(), 4u);
  const TScriptedMessage& first = prompts.Messages()[0];
  EXPECT_EQ(first.Icon, QMessageBox::Question);
  EXPECT_EQ(first.Caption, QStringLiteral("标题"));
  EXPECT_EQ(first.Buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_TRUE(first.Scripted);

  const TScriptedMessage& asked = prompts.Messages()[2];
  EXPECT_EQ(asked.Icon, QMessageBox::Question);
  EXPECT_EQ(asked.Buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(asked.Answer, QMessageBox::Yes);
  EXPECT_FALSE(asked.Scripted);

  EXPECT_EQ(prompts.LastMessage().Icon, QMessageBox::Information);
  EXPECT_EQ(prompts.LastMessage().Answer, QMessageBox::Ok);
  EXPECT_EQ(prompts.MessageTexts(), (QStringList{QStringLiteral("甲"), QStringLiteral("乙"),
                                                 QStringLiteral("丙"), QStringLiteral("丁")}));
  EXPECT_EQ(prompts.PendingAnswers(), 0);
}

TEST(ScriptedPrompts, fileAndInputDialogsAnswerFromQueueAndCancelWhenEmpty) {
  TScriptedPrompts prompts;
  prompts.AnswerFile(QStringLiteral("/data/a.txt"));
  prompts.AnswerFiles({QStringLiteral("/data/b.xls"), QStringLiteral("/data/c.xls")});
  prompts.AnswerText(QStringLiteral("新用途"));
  prompts.AnswerText(std::nullopt);

  EXPECT_EQ(prompts.OpenFileName(QStringLiteral("打开"), QStringLiteral("/data"), QString()),
            QStringLiteral("/data/a.txt"));
  EXPECT_EQ(prompts.OpenFileNames(QStringLiteral("打开"), QStringLiteral("/data"), QString()),
            (QStringList{QStringLiteral("/data/b.xls"), QStringLiteral("/data/c.xls")}));
  EXPECT_EQ(prompts.SaveFileName(QStringLiteral("保存"), QStringLiteral("/out/x.txt"),
                                 QStringLiteral("文本文件 (*.txt)")),
            QString());
  EXPECT_EQ(prompts.InputText(QStringLiteral("用途"), QStringLiteral("输入"), QString()),
            std::optional<QString>(QStringLiteral("新用途")));
  EXPECT_EQ(prompts.InputText(QStringLiteral("用途"), QStringLiteral("输入"), QString()),
            std::nullopt);
  EXPECT_EQ(prompts.InputText(QStringLiteral("用途"), QStringLiteral("输入"), QString()),
            std::nullopt);

  ASSERT_EQ(prompts.FileDialogs().size(), 3u);
  const TScriptedFileDialog& save = prompts.FileDialogs()[2];
  EXPECT_EQ(save.Kind, TScriptedFileDialog::Save);
  EXPECT_EQ(save.Path, QStringLiteral("/out/x.txt"));
  EXPECT_EQ(save.Filter, QStringLiteral("文本文件 (*.txt)"));
  EXPECT_FALSE(save.Scripted);
  ASSERT_EQ(prompts.Inputs().size(), 3u);
  EXPECT_TRUE(prompts.Inputs()[1].Scripted);
  EXPECT_FALSE(prompts.Inputs()[2].Scripted);
}

TEST(ScriptedPrompts, modalRunsLetTheScriptFillTheDialogAndRejectWhenEmpty) {
  TScriptedPrompts prompts;
  QDialog dialog;
  dialog.setObjectName(QStringLiteral("TfmLogon"));
  dialog.setWindowTitle(QStringLiteral("登陆"));
  auto* edit = new QLineEdit(&dialog);
  edit->setObjectName(QStringLiteral("edtCustId"));

  prompts.AnswerModal([](QDialog& d) {
    d.findChild<QLineEdit*>(QStringLiteral("edtCustId"))->setText(QStringLiteral("1001"));
    return int(QDialog::Accepted);
  });
  EXPECT_EQ(prompts.RunModal(dialog), QDialog::Accepted);
  EXPECT_EQ(edit->text(), QStringLiteral("1001"));
  EXPECT_EQ(dialog.result(), QDialog::Accepted);

  EXPECT_EQ(prompts.RunModal(dialog), QDialog::Rejected);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);

  ASSERT_EQ(prompts.ModalRuns().size(), 2u);
  EXPECT_EQ(prompts.ModalRuns()[0].ObjectName, QStringLiteral("TfmLogon"));
  EXPECT_EQ(prompts.ModalRuns()[0].WindowTitle, QStringLiteral("登陆"));
  EXPECT_TRUE(prompts.ModalRuns()[0].Scripted);
  EXPECT_FALSE(prompts.ModalRuns()[1].Scripted);
  EXPECT_FALSE(dialog.isVisible());
}

TEST(ScriptedPrompts, recordsOpenedUrlsAndAnswersAsSet) {
  TScriptedPrompts prompts;
  prompts.SetOpenUrlResult(false);
  EXPECT_FALSE(prompts.OpenUrl(QUrl(QStringLiteral("https://b2b.weilingbank.example/"))));
  prompts.SetOpenUrlResult(true);
  EXPECT_TRUE(prompts.OpenUrl(QUrl::fromLocalFile(QStringLiteral("/opt/help.html"))));
  EXPECT_EQ(prompts.OpenedUrls(),
            (QList<QUrl>{QUrl(QStringLiteral("https://b2b.weilingbank.example/")),
                         QUrl::fromLocalFile(QStringLiteral("/opt/help.html"))}));
}
