#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>

#include "agentpay/records/PayTemplate.h"
#include "platform/files/AtomicFile.h"
#include "registers/screens/FormSelectUBank.h"
#include "registers/screens/FormUBank.h"
#include "session/screens/BankSession.h"
#include "session/screens/frmDlClParam.h"
#include "support/Children.h"
#include "support/SessionFixture.h"

namespace {

class ParamDownloadTest : public SessionFixture {
 protected:
  void LogOn(const char* custId, const char* password) {
    ScriptLogon(custId, "001", password);
    ASSERT_TRUE(session.LogOn(nullptr));
    sim.ClearRequests();
  }
  // Chooses the file, names where it goes and presses "确定": the body sent.
  QByteArray Download(TfrmDlClParam& dialog, const char* choice, const QString& saveAs) {
    Child<QRadioButton>(dialog, choice).setChecked(true);
    prompts.AnswerFile(saveAs);
    const qsizetype before = sim.Requests().size();
    Child<QPushButton>(dialog, "btnOk").click();
    return sim.Requests().size() > before ? sim.Requests().last().Body : QByteArray();
  }
  QByteArray Caller() {
    return "&SKEY=" + session.User().SKey.toLatin1() +
           "&CUSTOMERID=" + session.User().CustId.toLatin1() + "&USERID=001";
  }

  TBankSession session{Config(), prompts};
};

TEST_F(ParamDownloadTest, theNewerInterfaceListsItsTemplatesOnceAndEveryFileIsSaved) {
  LogOn("3100012345", "a12345");
  TfrmDlClParam dialog(prompts, session);
  ASSERT_EQ(RequestsOf("N18501").size(), 1);
  EXPECT_EQ(RequestsOf("N18501")[0].Body, "TXCODE=N18501" + Caller() +
                                              "&PT_LANGUAGE=CN&NVX_IBSVersion=V6&PT_STYLE=8"
                                              "&resType=HTM");
  ASSERT_FALSE(dialog.Modes().isEmpty());
  auto& modes = Child<QComboBox>(dialog, "cmbMode");
  EXPECT_FALSE(modes.isEnabled());
  Child<QRadioButton>(dialog, "rbMode").setChecked(true);
  EXPECT_TRUE(modes.isEnabled());
  EXPECT_EQ(modes.currentIndex(), 0);
  Child<QRadioButton>(dialog, "rbBank").setChecked(true);
  EXPECT_FALSE(modes.isEnabled());

  const QString tail =
      "&IS_GENDAN=1&FILEPATH=B2B.customer.template&DOWNLOAD_TYPE=&FILENAME=&PT_LANGUAGE=CN"
      "&SOURCE=&NAMEFLAG=1&LOCAL_REMOTE=0&IS_VERIFY=0&TXCODE=660702&NVX_IBSVersion=V6"
      "&PT_LANGUAGE=CN&PT_STYLE=3&resType=jsp";
  EXPECT_EQ(Download(dialog, "rbPayer", dir.File("payer.xls")),
            "RADIOBUTTON=1" + Caller() + tail.toLatin1());
  EXPECT_EQ(Download(dialog, "rbPayee", dir.File("payee.xls")),
            "RADIOBUTTON=2" + Caller() + tail.toLatin1());
  EXPECT_TRUE(ReadWholeFile(dir.File("payee.xls")).value_or("").startsWith("\xD0\xCF\x11\xE0"));
  EXPECT_EQ(prompts.FileDialogs().back().Path.section('/', -1), "收款人名册.xls");

  // The interbank-number package goes straight into the code tables.
  EXPECT_EQ(Download(dialog, "rbBank", dir.File("zhlhh_unload.tar.gz")),
            "RADIOBUTTON=3" + Caller() +
                "&IS_GENDAN=1&FILEPATH=ibszhlhh&DOWNLOAD_TYPE=1&FILENAME=&PT_LANGUAGE=CN"
                "&SOURCE=zhlhh_unload.tar.gz&NAMEFLAG=1&LOCAL_REMOTE=0&IS_VERIFY=0&TXCODE=660702");
  QDir().mkpath(dir.File("tables"));
  TFormUBank update(prompts, dir.File("tables"));
  prompts.AnswerFile(dir.File("zhlhh_unload.tar.gz"));
  update.btnOkClick();
  EXPECT_EQ(prompts.LastMessage().Text, "文件已更新完成！");
  TFormSelectUBank banks(prompts, dir.File("tables"));
  EXPECT_GE(Child<QComboBox>(banks, "cmbBank").findText("华东商业银行", Qt::MatchContains), 0);

  // A template by its Chinese name in UTF-8.
  Child<QRadioButton>(dialog, "rbMode").setChecked(true);
  const TModeItem mode = dialog.Modes()[0];
  const QByteArray body = Download(dialog, "rbMode", dir.File("mode.xml"));
  EXPECT_EQ(body, "TXCODE=N18502" + Caller() +
                      "&PT_LANGUAGE=CN&NVX_IBSVersion=V6&PT_STYLE=3&resType=jsp&IS_GENDAN=1"
                      "&FILEPATH=B2B.customer.template&DOWNLOAD_TYPE=&FILENAME=&SOURCE=&NAMEFLAG=1"
                      "&LOCAL_REMOTE=0&IS_VERIFY=0&Entrst_Prj_ID=" +
                      mode.ModeNo.toLatin1() + "&clientFileName=" + mode.ModeName.toUtf8() +
                      ".xml");
  EXPECT_TRUE(ReadTemplateFile(dir.File("mode.xml")).Template.has_value());
  EXPECT_TRUE(dialog.isEnabled() && Child<QPushButton>(dialog, "btnCancel").isEnabled());
}

TEST_F(ParamDownloadTest, theOlderInterfaceSendsTheTemplateNameAndFailuresKeepTheDialogOpen) {
  LogOn("3100067890", "c12345");
  sim.SetFault("error", 1, {{"txcode", "660701"}});
  {
    TfrmDlClParam failed(prompts, session);
    EXPECT_EQ(prompts.LastMessage().Icon, QMessageBox::Critical);
    EXPECT_TRUE(failed.Modes().isEmpty());
    const qsizetype sent = sim.Requests().size();
    Child<QRadioButton>(failed, "rbMode").setChecked(true);
    Child<QPushButton>(failed, "btnOk").click();
    EXPECT_EQ(prompts.LastMessage().Text, "没有可以下载的代发代扣模板。");
    EXPECT_EQ(sim.Requests().size(), sent);
  }
  TfrmDlClParam dialog(prompts, session);
  ASSERT_EQ(RequestsOf("660701").size(), 2);
  EXPECT_EQ(
      RequestsOf("660701")[1].Body,
      "TXCODE=660701" + Caller() + "&PT_LANGUAGE=CN&NVX_IBSVersion=V6&PT_STYLE=8&resType=HTM");
  ASSERT_FALSE(dialog.Modes().isEmpty());
  const TModeItem mode = dialog.Modes()[0];
  EXPECT_TRUE(Download(dialog, "rbMode", dir.File("t.xml"))
                  .startsWith("RADIOBUTTON=4&SKEY=" + session.User().SKey.toLatin1() +
                              "&BILL_NAME=" + mode.ModeNo.toLatin1() + "&CUSTOMERID="));
  EXPECT_TRUE(
      sim.Requests().last().Body.endsWith("&clientFileName=" + mode.TempName.toLatin1() + ".xml"));
  sim.SetFault("drop", 1);
  Download(dialog, "rbPayer", dir.File("p.xls"));
  EXPECT_EQ(prompts.LastMessage().Icon, QMessageBox::Critical);
  EXPECT_TRUE(Child<QPushButton>(dialog, "btnCancel").isEnabled());
}

}  // namespace
