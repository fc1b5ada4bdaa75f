#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "batch/screens/FormBatch.h"
#include "certpay/screens/FormCertPay.h"
#include "certpay/screens/FormCertPayeeBook.h"
#include "platform/codec/Gbk.h"
#include "platform/prompts/ScriptedPrompts.h"
#include "registers/screens/fmPayerBook.h"
#include "shell/DataMain.h"
#include "shell/FormMain.h"
#include "shell/ScreenRegistry.h"
#include "support/Children.h"
#include "support/FakeSession.h"
#include "support/TempAppDir.h"
#include "widgets/grid/MapleGrid.h"

namespace {

TEST(ScreenRegistry, screensAreBuiltWithTheSupplyAndWorkWithTheSessionGiven) {
  TempAppDir dir;
  dir.Write("param/Menu.ini", codec::ToGbk(QStringLiteral("[转账]\r\n制单=0\r\n付款人=9\r\n")));
  TScriptedPrompts prompts;
  // The data and the session outlive the window, whose screens use them.
  TDataMain data(dir.Path());
  TFakeSession session;
  TFormMain form(dir.Path(), prompts);
  RegisterScreens(form.Screens(), TScreenSupply{form.ScreenServices(), data, session});

  auto payer = std::make_unique<TPayerInfo>();
  payer->PayAccNo = QStringLiteral("3100012345001");
  data.Registers.Payers.Append(std::move(payer));
  ASSERT_TRUE(form.ShowScreen(9));
  auto* payers = qobject_cast<TfmPayerBook*>(form.CurrentScreen());
  ASSERT_NE(payers, nullptr);
  EXPECT_EQ(Child<TMapleGrid>(*payers, "grdList").TotalRowCount(), 1);

  ASSERT_TRUE(form.ShowScreen(0));
  auto* batch = qobject_cast<TFormBatch*>(form.CurrentScreen());
  ASSERT_NE(batch, nullptr);
  auto doc = std::make_unique<TPayMoneyInfo>();
  doc->Payer = data.Registers.Payers[0];
  doc->Payee.RcvAccNo = QStringLiteral("6217000033334444");
  doc->Money = TAmount::FromYuan(10);
  batch->Batch().Append(std::move(doc));
  batch->Refresh();

  // Nobody is logged on: the submission asks the session given for a logon,
  // which is refused, and sends nothing.
  Child<QLineEdit>(*batch, "edtPassword").setText(QStringLiteral("123456"));
  Child<QPushButton>(*batch, "btnSubmit").click();
  EXPECT_EQ(session.LogOnCalls, 1);
  EXPECT_TRUE(prompts.Messages().empty());

  // A failing logon is shown through the prompts given, and the screen goes on.
  session.Failure = "网银服务器无响应";
  Child<QPushButton>(*batch, "btnSubmit").click();
  EXPECT_EQ(session.LogOnCalls, 2);
  EXPECT_EQ(prompts.LastMessage().Text, QStringLiteral("网银服务器无响应"));
  EXPECT_TRUE(batch->isEnabled());
}

TEST(ScreenRegistry, centralFinanceScreensShareTheStoreOfTheRun) {
  TempAppDir dir;
  TScriptedPrompts prompts;
  TDataMain data(dir.Path());
  TFakeSession session;
  TFormMain form(dir.Path(), prompts);
  RegisterScreens(form.Screens(), TScreenSupply{form.ScreenServices(), data, session});

  data.CertPay.CertPayees.Append(std::make_unique<TCertPayee>()).AccNo = QStringLiteral("6222");
  ASSERT_TRUE(form.ShowScreen(16));
  auto* payees = qobject_cast<TFormCertPayeeBook*>(form.CurrentScreen());
  ASSERT_NE(payees, nullptr);
  EXPECT_EQ(Child<TMapleGrid>(*payees, "grdList").CellText(1, 0), QStringLiteral("6222"));
  ASSERT_TRUE(form.ShowScreen(13));
  EXPECT_NE(qobject_cast<TFormCertPay*>(form.CurrentScreen()), nullptr);
  for (const qint32 code : {15, 17}) EXPECT_TRUE(form.ShowScreen(code)) << code;
}

}  // namespace
