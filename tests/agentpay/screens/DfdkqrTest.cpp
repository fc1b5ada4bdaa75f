#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "agentpay/screens/fmDfdkqr.h"
#include "platform/prompts/ScriptedPrompts.h"
#include "support/Children.h"

namespace {

TEST(Dfdkqr, thePasswordAndTheReviewerAreCheckedAndOneClickSendsOnce) {
  TScriptedPrompts prompts;
  QStringList sent;
  TfmDfdkqr* shown = nullptr;
  TfmDfdkqr dialog(prompts, [&](const TSecretBytes& password, const TPayReviewer* reviewer) {
    EXPECT_FALSE(Child<QPushButton>(*shown, "btnOk").isEnabled());
    sent << password.View().toByteArray() + "/" + (reviewer ? reviewer->Id : "-");
    return sent.size() > 1 ? std::optional<QString>("制单成功") : std::nullopt;
  });
  shown = &dialog;
  EXPECT_EQ(dialog.windowTitle(), "代发代扣确认");

  TQueryFileResultResult upload;
  upload.TRAN_TYPE = "1";
  upload.SEL_USER_MODE_CD = "18";
  upload.Reviewers = {{"201", "甲"}, {"202", "乙"}};
  dialog.ShowN17(upload);
  EXPECT_EQ(dialog.findChildren<QLabel*>().first()->text(), "收款人全称：");
  EXPECT_FALSE(Child<QComboBox>(dialog, "cmbReviewer").isHidden());
  EXPECT_TRUE(Child<QLineEdit>(dialog, "edtTime").isHidden());

  auto& password = Child<QLineEdit>(dialog, "edtPassword");
  for (const char* refused : {"", "12345"}) {
    password.setText(refused);
    dialog.btnOkClick();
  }
  EXPECT_EQ(prompts.MessageTexts(),
            QStringList({"请输入交易密码。", "交易密码必须大于6位小于12位。"}));
  // Thirteen characters cannot be typed.
  password.setText("1234567890123");
  EXPECT_EQ(password.text().size(), 12);
  password.setText("123456");
  dialog.btnOkClick();
  EXPECT_TRUE(password.text().isEmpty());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  Child<QComboBox>(dialog, "cmbReviewer").setCurrentIndex(1);
  password.setText("123456789012");
  dialog.btnOkClick();
  EXPECT_EQ(sent, QStringList({"123456/201", "123456789012/202"}));
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(prompts.LastMessage().Caption, "提示");
  EXPECT_EQ(prompts.LastMessage().Text, "制单成功");

  TPay661Upload old;
  old.PayTime = "20261210093005";
  old.SelectOper = "1";
  dialog.Show661(old, false);
  EXPECT_EQ(Child<QLineEdit>(dialog, "edtTime").text(), "2026-12-10 09:30:05");
  EXPECT_TRUE(Child<QComboBox>(dialog, "cmbReviewer").isHidden());
  EXPECT_TRUE(Child<QLineEdit>(dialog, "edtAccNo").isHidden());
}

}  // namespace
