#include <QApplication>
#include <QLabel>
#include <QTimer>

#include "core/AppInfo.h"
#include "core/IniFile.h"
#include "support/ProcessMemory.h"
#include "support/SessionFixture.h"

namespace {

class LogonDialogTest : public SessionFixture {
 protected:
  void ExpectRefused(TfmLogon& dialog, const char* message, const char* focusField) {
    EXPECT_EQ(prompts.LastMessage().Caption, "提示") << message;
    EXPECT_EQ(prompts.LastMessage().Text, QString::fromUtf8(message));
    EXPECT_EQ(dialog.focusWidget(), Field(dialog, focusField)) << message;
    EXPECT_TRUE(Button(dialog, "btnLogin")->isEnabled());
    EXPECT_TRUE(Button(dialog, "btnCancel")->isEnabled());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
  }
};

TEST_F(LogonDialogTest, showsItsControlsFilledFromClientSysIni) {
  WriteClientSysIni("CUST_ID=3100067890\r\nOPER_ID=001\r\n");
  TfmLogon dialog(Config(), user, prompts);
  EXPECT_EQ(dialog.objectName(), "fmLogon");
  EXPECT_EQ(dialog.windowTitle(), "网上银行单位客户登录");
  EXPECT_EQ(Field(dialog, "edtCustId")->text(), "3100067890");
  EXPECT_EQ(Field(dialog, "EdtOperId")->text(), "001");
  EXPECT_EQ(Field(dialog, "edtCustId")->maxLength(), 21);
  EXPECT_EQ(Field(dialog, "EdtOperId")->maxLength(), 6);
  EXPECT_EQ(Field(dialog, "edtLogpwd")->echoMode(), QLineEdit::Password);
  EXPECT_EQ(Button(dialog, "btnLogin")->text(), "登录");
  EXPECT_TRUE(Button(dialog, "btnLogin")->isDefault());
  EXPECT_EQ(Button(dialog, "btnCancel")->text(), "取消");
  EXPECT_EQ(dialog.focusWidget(), Field(dialog, "edtCustId"));
}

TEST_F(LogonDialogTest, saysWhenTheConnectionIsNotEncrypted) {
  const auto warns = [this](const char* url) {
    TServerConfig config = Config();
    config.ServerBaseUrl = QString::fromLatin1(url);
    TfmLogon dialog(config, user, prompts);
    return dialog.findChild<QLabel*>(QStringLiteral("lblNotEncrypted")) != nullptr;
  };
  EXPECT_TRUE(warns("http://ebank.example.cn"));
  EXPECT_TRUE(warns("HTTP://10.1.2.3:8080"));
  EXPECT_FALSE(warns("https://ebank.example.cn"));
  EXPECT_FALSE(warns("http://127.0.0.1:18080"));
  EXPECT_FALSE(warns("http://localhost:18080"));
}

TEST_F(LogonDialogTest, eachFieldCheckStopsWithItsMessageAndFocusAndSendsNothing) {
  TfmLogon dialog(Config(), user, prompts);
  TypeAndLogin(dialog, "  ", "001", "a12345");
  ExpectRefused(dialog, "客户号不能为空，请输入。", "edtCustId");
  EXPECT_EQ(Field(dialog, "edtCustId")->text(), "");

  TypeAndLogin(dialog, "3100012345", "", "a12345");
  ExpectRefused(dialog, "操作号不能为空，请输入。", "EdtOperId");

  TypeAndLogin(dialog, "3100012345", "001", "");
  ExpectRefused(dialog, "密码不能为空，请输入。", "edtLogpwd");

  for (const char* password : {"a1234", "a123456789012"}) {
    TypeAndLogin(dialog, "3100012345", "001", password);
    ExpectRefused(dialog, "密码必须大于6位，小于12位。", "edtLogpwd");
    EXPECT_EQ(Field(dialog, "edtLogpwd")->text(), "") << password;
  }
  EXPECT_EQ(prompts.Messages().size(), 5u);
  EXPECT_TRUE(sim.Requests().isEmpty());
}

TEST_F(LogonDialogTest, passwordsOfSixAndTwelveCharactersAreSentAndARefusalKeepsTheDialogUsable) {
  sim.Configure("recordPasswords", "1");
  TfmLogon dialog(Config(), user, prompts);
  TypeAndLogin(dialog, "3100012345", "001", "a123456789ab");
  ASSERT_EQ(RequestsOf("690101").size(), 1);
  EXPECT_EQ(RequestsOf("690101")[0].Field("LOG_PWD"), "a123456789ab");
  EXPECT_EQ(prompts.LastMessage().Icon, QMessageBox::Critical);
  EXPECT_EQ(prompts.LastMessage().Caption, AppTitle());
  EXPECT_EQ(prompts.LastMessage().Text, "信息提示\r\r登录密码错误。(EBLN0002)");
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_TRUE(Button(dialog, "btnLogin")->isEnabled());
  EXPECT_TRUE(Button(dialog, "btnCancel")->isEnabled());

  sim.SetFault("drop", 0);
  TypeAndLogin(dialog, "3100012345", "001", "a12345");
  sim.ClearFault();
  EXPECT_EQ(prompts.LastMessage().Text,
            "返回信息为服务器暂时不能访问,原因可能是网银服务器忙或网络故障,请稍后再试!");
  EXPECT_EQ(dialog.result(), QDialog::Rejected);

  TypeAndLogin(dialog, "  3100012345  ", "001", "a12345");
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(RequestsOf("690101").last().Field("CUSTOMERID"), "3100012345");
  EXPECT_TRUE(user.LoggedOn);
}

TEST_F(LogonDialogTest, successClosesTheDialogClearsItAndRemembersCustomerAndOperator) {
  WriteClientSysIni("CUST_ID=3100067890\r\nOPER_ID=009\r\n");
  TfmLogon dialog(Config(), user, prompts);
  TypeAndLogin(dialog, " 3100012345 ", "001", "a12345");
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(Field(dialog, "edtCustId")->text(), "");
  EXPECT_EQ(Field(dialog, "EdtOperId")->text(), "");
  EXPECT_EQ(Field(dialog, "edtLogpwd")->text(), "");
  EXPECT_EQ(prompts.MessageTexts(), QStringList{"登录成功！"});
  EXPECT_EQ(RequestsOf("6P0010").size(), 1);

  const TIniFile ini(Config().ClientSysIni);
  EXPECT_EQ(ini.ReadString("B2B", "CUST_ID"), "3100012345");
  EXPECT_EQ(ini.ReadString("B2B", "OPER_ID"), "001");
  EXPECT_EQ(ini.ReadString("B2B", "VerTime"), "20261201");
}

TEST_F(LogonDialogTest, announcementIsShownModallyAfterTheLogon) {
  sim.Configure("announce", " 1 ");
  TfmLogon dialog(Config(), user, prompts);
  prompts.AnswerModal(QDialog::Accepted);
  TypeAndLogin(dialog, "3100012345", "001", "a12345");
  ASSERT_EQ(prompts.ModalRuns().size(), 1u);
  EXPECT_EQ(prompts.ModalRuns()[0].ObjectName, "FormShowUpdateMsg");
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(LogonDialogTest, cannotBeClosedWhileTheLogonRuns) {
  sim.SetFault("slow", 1, {{"delay_ms", "600"}});
  TfmLogon dialog(Config(), user, prompts);
  dialog.show();
  bool stillOpen = false;
  bool buttonsDisabled = false;
  QTimer::singleShot(200, &dialog, [&] {
    dialog.close();
    dialog.reject();
    stillOpen = dialog.isVisible();
    buttonsDisabled =
        !Button(dialog, "btnLogin")->isEnabled() && !Button(dialog, "btnCancel")->isEnabled();
  });
  TypeAndLogin(dialog, "3100012345", "001", "a12345");
  EXPECT_TRUE(stillOpen);
  EXPECT_TRUE(buttonsDisabled);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(dialog.isVisible());
}

TEST_F(LogonDialogTest, cancelClearsTheFields) {
  TfmLogon dialog(Config(), user, prompts);
  Field(dialog, "edtCustId")->setText("3100012345");
  Field(dialog, "edtLogpwd")->setText("a12345");
  Button(dialog, "btnCancel")->click();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(Field(dialog, "edtCustId")->text(), "");
  EXPECT_EQ(Field(dialog, "edtLogpwd")->text(), "");
  EXPECT_TRUE(sim.Requests().isEmpty());
}

}  // namespace

TEST_F(LogonDialogTest, thePasswordLeavesNoCopyInMemoryHoweverTheLogonEnds) {
  // The password as the field and any QString hold it. The probe sees the
  // field's copy while the dialog holds it; once the dialog is done none may
  // be left, freed memory included.
  const auto copies = [](const char16_t(&password)[7]) {
    return CountInProcessMemory(QByteArrayView(reinterpret_cast<const char*>(password), 12));
  };
  const int before = copies(u"a12345");
  {
    TfmLogon dialog(Config(), user, prompts);
    Field(dialog, "edtCustId")->setText(QStringLiteral("3100012345"));
    Field(dialog, "EdtOperId")->setText(QStringLiteral("001"));
    Field(dialog, "edtLogpwd")->setText(QString::fromUtf8("a12345"));
    EXPECT_EQ(copies(u"a12345"), before + 1);
    Button(dialog, "btnLogin")->click();
    ASSERT_TRUE(user.LoggedOn);
  }
  EXPECT_EQ(copies(u"a12345"), before);

  // A bank that cannot be reached: the network stack never takes the body,
  // so any copy of it found would be the program's own.
  TServerConfig unreachable = Config();
  unreachable.ServerBaseUrl = QStringLiteral("http://127.0.0.1:1");
  {
    TfmLogon dialog(unreachable, user, prompts);
    TypeAndLogin(dialog, "3100012345", "001", "k3j5h7");
    EXPECT_EQ(copies(u"k3j5h7"), 1);  // still in the field for another try
    EXPECT_EQ(CountInProcessMemory("LOG_PWD=k3j5h7"), 0);
  }
  EXPECT_EQ(copies(u"k3j5h7"), 0);
}
