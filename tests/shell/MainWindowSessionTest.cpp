#include "session/screens/BankSession.h"
#include "shell/FormMain.h"
#include "support/SessionFixture.h"

namespace {

class MainWindowSessionTest : public SessionFixture {
 protected:
  MainWindowSessionTest() {
    dir.Write("param/Menu.ini", codec::ToGbk(QStringLiteral("[联机]\r\n账户明细=6\r\n")));
    form = std::make_unique<TFormMain>(dir.Path(), prompts);
    form->SetSessionControl(&session);
  }
  // How often a dialog of that name was run modally.
  int ModalRuns(const char* objectName) const {
    int runs = 0;
    for (const TScriptedModal& run : prompts.ModalRuns())
      if (run.ObjectName == QLatin1String(objectName)) ++runs;
    return runs;
  }

  TBankSession session{Config(), prompts};
  std::unique_ptr<TFormMain> form;
};

TEST_F(MainWindowSessionTest, menuCodeThatNeedsASessionLogsOnFirst) {
  prompts.AnswerModal(QDialog::Rejected);
  form->RunMenuCode(6);
  EXPECT_EQ(ModalRuns("fmLogon"), 1);
  EXPECT_EQ(form->CurrentScreen(), nullptr);

  ScriptLogon("3100012345", "001", "a12345");
  form->RunMenuCode(6);
  EXPECT_EQ(ModalRuns("fmLogon"), 2);
  EXPECT_TRUE(session.IsLoggedOn());
  ASSERT_NE(form->CurrentScreen(), nullptr);
  EXPECT_EQ(form->CurrentScreen(), form->ScreenInstance(6));

  form->btnEnterClick();
  EXPECT_EQ(ModalRuns("fmLogon"), 2);
  EXPECT_EQ(prompts.LastMessage().Text, "客户端已与服务器联机，请先退出企业网银再进行登陆操作。");
}

TEST_F(MainWindowSessionTest, quitAnsweredYesLogsOffAndTheNextRequestCarriesNoCookie) {
  ScriptLogon("3100012345", "001", "a12345");
  form->btnEnterClick();
  ASSERT_TRUE(session.IsLoggedOn());

  prompts.Answer(QMessageBox::No);
  form->btnQuitWYClick();
  EXPECT_TRUE(session.IsLoggedOn());

  prompts.Answer(QMessageBox::Yes);
  form->btnQuitWYClick();
  EXPECT_EQ(prompts.LastMessage().Caption, "退出联机");
  EXPECT_FALSE(session.IsLoggedOn());

  sim.ClearRequests();
  ScriptLogon("3100012345", "001", "a12345");
  form->btnEnterClick();
  EXPECT_TRUE(session.IsLoggedOn());
  ASSERT_EQ(RequestsOf("690101").size(), 1);
  EXPECT_FALSE(RequestsOf("690101")[0].HasHeader("Cookie"));
}

}  // namespace
