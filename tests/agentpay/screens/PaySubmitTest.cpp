#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include "agentpay/online/PayUpload.h"
#include "agentpay/screens/PaySubmitPanel.h"
#include "agentpay/screens/fmPayFile.h"
#include "agentpay/screens/fmPayWait.h"
#include "platform/codec/Gbk.h"
#include "session/screens/BankSession.h"
#include "support/Children.h"
#include "support/ProcessMemory.h"
#include "support/SessionFixture.h"

namespace {

class PaySubmitTest : public SessionFixture {
 protected:
  PaySubmitTest() {
    sim.Configure("recordPasswords", "1");
    screen.setParent(&main);
    main.show();
  }
  ~PaySubmitTest() override { screen.setParent(nullptr); }

  void LogOn(const char* custId, const char* password) {
    ScriptLogon(custId, "001", password);
    ASSERT_TRUE(session.LogOn(nullptr));
  }
  void Records(const QStringList& lines, bool endSign = false) {
    TPayTemplate salary;
    salary.Money = 3;
    salary.IfAddEndSign = endSign;
    salary.Columns = {{"账号", 1}, {"姓名", 2}, {"金额", 3}, {"备注", 4}};
    screen.Activate(salary);
    screen.Records().ReplaceLines(lines);
    screen.ShowRecords();
  }
  TPaySubmitPanel& Panel() { return screen.SubmitPanel(); }
  void Submit() { Child<QPushButton>(screen, "btnSubmit").click(); }
  // The pay mode, then the item and the use by their places in the lists.
  void Choose(int mode, int item, int use = 0) {
    Panel().rgIsPayModeClick(mode);
    Child<QComboBox>(Panel(), "cmbItem").setCurrentIndex(item);
    Panel().cmbItemChange();
    Child<QComboBox>(Panel(), "cmbUse").setCurrentIndex(use);
    Panel().cmbUseChange();
  }
  // The next confirmation dialog: the reviewer (-1 leaves the first), the
  // password and "确定"; what the dialog shows is kept.
  void ScriptConfirm(const char* password, int reviewer = -1) {
    prompts.AnswerModal([=, this](QDialog& dialog) {
      shown = {};
      for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (!label->isHidden()) shown << label->text();
      for (const QLineEdit* field : dialog.findChildren<QLineEdit*>())
        if (!field->isHidden() && field->echoMode() == QLineEdit::Normal) shown << field->text();
      if (reviewer >= 0) Child<QComboBox>(dialog, "cmbReviewer").setCurrentIndex(reviewer);
      Child<QLineEdit>(dialog, "edtPassword").setText(QString::fromUtf8(password));
      Child<QPushButton>(dialog, "btnOk").click();
      return dialog.result();
    });
  }
  // The next waiting dialog polls `polls` times, as its timer would.
  void ScriptWait(int polls) {
    prompts.AnswerModal([=, this](QDialog& dialog) {
      auto& wait = dynamic_cast<TfmPayWait&>(dialog);
      waitTitles << wait.windowTitle();
      bool done = false;
      QObject::connect(&wait, &QDialog::finished, [&done] { done = true; });
      for (int i = 0; i < polls && !done; ++i) wait.Poll();
      return wait.result();
    });
  }
  TSimRequest OnlyRequest(const char* path) {
    QList<TSimRequest> found;
    for (const TSimRequest& request : sim.Requests())
      if (request.Path == path) found.append(request);
    EXPECT_EQ(found.size(), 1) << path;
    return found.value(0);
  }
  QStringList ModalTitles() const {
    QStringList titles;
    for (const TScriptedModal& run : prompts.ModalRuns()) titles << run.WindowTitle;
    return titles;
  }

  TBankSession session{Config(), prompts};
  QWidget main;
  TfmPayFile screen{TPayFileContext{TScreenServices{prompts, {}}, session, dir.Path(), dir.Path()}};
  QStringList shown;
  QStringList waitTitles;
};

TEST_F(PaySubmitTest, theNewerInterfaceUploadsTheCommittedLinesAndConfirmsWithTheReviewer) {
  LogOn("3100012345", "a12345");
  Submit();
  EXPECT_EQ(prompts.LastMessage().Text, "当前没有数据可以提交！");
  Records({"6222001|张三|1000.00|", "6222002|李四|500.50|九月"});
  screen.btnModifyClick();
  Submit();
  EXPECT_EQ(prompts.LastMessage().Text, "请先保存正在编辑的代发代扣记录，再提交代发代扣。");
  screen.btnSaveClick();
  Submit();
  EXPECT_EQ(prompts.LastMessage().Text, "请选择批量代发或批量代扣选项。");
  Choose(0, 0);
  Records({"6222001|张三|1000.00|", "6222002|李四|500.50|九月"});
  sim.ClearRequests();
  screen.SetExported(false);

  ScriptConfirm("123456");
  Submit();
  EXPECT_EQ(prompts.LastMessage().Caption, "提示");
  EXPECT_TRUE(prompts.LastMessage().Text.startsWith(
      "尊敬的客户:\r\n您的批量代发制单操作成功！\r\n凭证号：DF"))
      << prompts.MessageTexts().join("\n").toStdString();
  EXPECT_TRUE(shown.contains("付款人全称：") && shown.contains("选择下级复核员："));
  EXPECT_TRUE(shown.contains("1500.50") && shown.contains("2"));
  EXPECT_FALSE(shown.contains("上传时间："));

  // The file goes as committed, without the trailing separator.
  const TPaySubmission choice = *Panel().CheckedChoice();
  const TSimRequest upload = OnlyRequest("/NNVX/NECV6NEWB2BFile4BIGFILE");
  EXPECT_EQ(upload.Body, N17UploadBody({"6222001|张三|1000.00", "6222002|李四|500.50|九月"}, choice,
                                       Panel().ModeLists(), session.User())
                             .View());
  EXPECT_EQ("Content-Type: " + upload.Header("Content-Type"), PayUploadHeader().toLatin1());
  const TSimRequest confirm = RequestsOf("N17146").value(0);
  EXPECT_EQ(confirm.Field("PASSWORD"), "123456");
  EXPECT_FALSE(confirm.Field("WF_EXTR_ID").isEmpty());
  EXPECT_TRUE(confirm.Body.endsWith("&WF_EXTR_NM=" + confirm.Field("WF_EXTR_NM")));
  EXPECT_TRUE(screen.IsExported());
  EXPECT_EQ(screen.Records().Lines().size(), 2);

  // With the end sign each line gets the separator.
  Records({"6222001|张三|1000.00"}, true);
  sim.ClearRequests();
  ScriptConfirm("123456");
  Submit();
  EXPECT_TRUE(OnlyRequest("/NNVX/NECV6NEWB2BFile4BIGFILE")
                  .Body.contains(codec::ToGbk(u"\r\n\r\n6222001|张三|1000.00|\r\n\r\n")));
}

TEST_F(PaySubmitTest, theBanksProcessingIsWaitedForAndATimedOutPollIsAskedAgain) {
  LogOn("3100012345", "a12345");
  Records({"6222001|张三|1000.00"});

  // 奖金代发: the file is answered after two polls, the document after one;
  // the document's wait runs on its own timer.
  Choose(0, 1);
  ScriptWait(5);
  ScriptConfirm("123456");
  prompts.AnswerModal([this](QDialog& dialog) {
    waitTitles << dialog.windowTitle();
    return dialog.exec();
  });
  Submit();
  EXPECT_EQ(waitTitles, QStringList({"代发代扣制单", "代发代扣制单结果查询"}));
  EXPECT_EQ(RequestsOf("N17144").size(), 3);
  EXPECT_EQ(RequestsOf("N17145").size(), 2);
  EXPECT_TRUE(prompts.LastMessage().Text.contains("制单操作成功"));

  // 福利代发: each wait ends with the bank's timeout; "重新查询" asks again.
  Choose(0, 2);
  const auto timedOutThenAgain = [this](const char* timedOut) {
    prompts.AnswerModal([=, this](QDialog& dialog) {
      auto& wait = dynamic_cast<TfmPayWait&>(dialog);
      wait.Poll();
      EXPECT_EQ(Child<QLabel>(wait, "lblMessage").text(), QString::fromUtf8(timedOut));
      auto& again = Child<QPushButton>(wait, "btnRequery");
      EXPECT_FALSE(again.isHidden());
      again.click();
      EXPECT_TRUE(again.isHidden());
      return wait.result();
    });
  };
  timedOutThenAgain("文件处理超时，请稍后手工进行文件处理结果查询！");
  ScriptConfirm("123456");
  timedOutThenAgain("单据处理超时，请稍后手工进行单据处理结果查询！");
  Submit();
  EXPECT_TRUE(prompts.LastMessage().Text.contains("制单操作成功"));

  // 劳务费代发: the bank cannot read the file; nothing is confirmed.
  Choose(0, 3);
  sim.ClearRequests();
  const std::size_t runs = prompts.ModalRuns().size();
  ScriptWait(5);
  Submit();
  EXPECT_EQ(prompts.LastMessage().Caption, "系统提示");
  EXPECT_EQ(prompts.LastMessage().Text, "文件处理错误，请检查输入内容及文件模板。");
  EXPECT_EQ(prompts.ModalRuns().size(), runs + 1);
  EXPECT_TRUE(RequestsOf("N17146").isEmpty());
}

TEST_F(PaySubmitTest, theOlderInterfaceChoosesItsPathAndSendsOneOrEveryReviewer) {
  LogOn("3100067890", "c12345");
  Records({"6222001|张三|1000.00", "6222002|李四|500.50"});

  // 工资代发 with the locked use: the control totals go with the file.
  Choose(0, 0, 1);
  Child<QLineEdit>(Panel(), "edtTotalNum").setText("2");
  Child<QLineEdit>(Panel(), "edtTotalAmount").setText("1500.50");
  const TPaySubmission locked = *Panel().CheckedChoice();
  const TUSER before = session.User();
  sim.ClearRequests();
  ScriptConfirm("123456", 1);
  Submit();
  EXPECT_EQ(OnlyRequest("/NNVX/NECV5B2BFile").Body,
            Upload661Body(screen.Records().Lines(), locked, before, "661202").View());
  EXPECT_TRUE(shown.contains("上传时间：") && shown.contains("付款人账号："));
  TSimRequest confirm = RequestsOf("661223").value(0);
  EXPECT_EQ(confirm.Field("CHECK_ID"), "202");
  EXPECT_EQ(confirm.Body.count("&CHECK_ID="), 1);
  EXPECT_EQ(confirm.Field("PASSWD"), "123456");
  EXPECT_TRUE(prompts.LastMessage().Text.endsWith("请等待下一级复核员复核：\r\n  复核员乙\r\n"));

  // 社保代发 (ItemEctip "1"): the VIP path, every reviewer on its own line.
  Choose(0, 1);
  sim.ClearRequests();
  ScriptConfirm("123456");
  Submit();
  EXPECT_TRUE(OnlyRequest("/NNVX/NECV5B2BFile4VIP").Body.contains("\r\n\r\n661802\r\n"));
  confirm = RequestsOf("661223").value(0);
  EXPECT_EQ(confirm.Body.count("&CHECK_ID="), 2);
  EXPECT_TRUE(prompts.LastMessage().Text.endsWith("：\r\n  复核员甲\r\n  复核员乙\r\n"));

  // 报销代发 (ItemEctip "2"): the VIP path with 661202; no account to show.
  Choose(0, 2);
  sim.ClearRequests();
  prompts.AnswerModal([this](QDialog& dialog) {
    EXPECT_TRUE(Child<QLineEdit>(dialog, "edtAccNo").isHidden());
    return QDialog::Rejected;
  });
  Submit();
  EXPECT_TRUE(OnlyRequest("/NNVX/NECV5B2BFile4VIP").Body.contains("\r\n\r\n661202\r\n"));
  EXPECT_TRUE(RequestsOf("661223").isEmpty());

  // 批量代扣: the payee wording, and the pay flag "1".
  Choose(1, 0);
  ScriptConfirm("123456", 0);
  Submit();
  EXPECT_TRUE(shown.contains("收款人全称："));
  EXPECT_EQ(RequestsOf("661223").value(0).Field("IS_PAY"), "1");
}

TEST_F(PaySubmitTest, everyFaultIsShownAndLeavesTheRecordsAndTheWindowsAsTheyWere) {
  LogOn("3100012345", "a12345");
  Records({"6222001|张三|1000.00"});
  Choose(0, 0);
  const QStringList lines = screen.Records().Lines();
  for (const char* txCode : {"N17141", "N17146"}) {
    for (const char* mode :
         {"error", "certificate", "busy503", "nonxml", "empty", "drop", "tooclose"}) {
      screen.SetExported(false);
      sim.SetFault(mode, 1, {{"txcode", txCode}});
      if (QByteArray(txCode) == "N17146") ScriptConfirm("123456");
      Submit();
      EXPECT_EQ(prompts.LastMessage().Icon, QMessageBox::Critical) << txCode << mode;
      EXPECT_TRUE(main.isEnabled() && screen.isEnabled()) << txCode << mode;
      EXPECT_EQ(screen.Records().Lines(), lines) << txCode << mode;
      // The export reminder stays until the bank has the file.
      EXPECT_EQ(screen.IsExported(), QByteArray(txCode) == "N17146") << txCode << mode;
      EXPECT_EQ(prompts.PendingAnswers(), 0) << txCode << mode;
    }
  }
  // A wrong transaction password ends the confirmation too.
  ScriptConfirm("654321");
  Submit();
  EXPECT_TRUE(prompts.LastMessage().Text.contains("交易密码错误"));
  EXPECT_EQ(prompts.ModalRuns().back().Result, QDialog::Rejected);
}

TEST_F(PaySubmitTest, theDemoSalaryWorkbookGoesToTheBankThroughTheDemoTemplate) {
  const QString demo = QStringLiteral(REPOSITORY_DIR "/data/demo/dfdk/");
  screen.Activate(*ReadTemplateFile(demo + "代发工资模板.xml").Template);
  prompts.AnswerFile(demo + "代发工资表.xlsx");
  prompts.AnswerModal([](QDialog& dialog) {
    Child<QLineEdit>(dialog, "edtBegin").setText("3");
    Child<QLineEdit>(dialog, "edtEnd").setText("14");
    Child<QPushButton>(dialog, "btnOk").click();
    return dialog.result();
  });
  screen.btnImportExcelClick();
  screen.btnSaveClick();
  ASSERT_EQ(screen.Records().Lines().size(), 12);

  LogOn("3100012345", "a12345");
  Choose(0, 0);
  ScriptConfirm("123456");
  Submit();
  EXPECT_TRUE(shown.contains("12"));
  EXPECT_TRUE(prompts.LastMessage().Text.contains(QRegularExpression("凭证号：DF\\d{10}$")))
      << prompts.LastMessage().Text.toStdString();
}

TEST_F(PaySubmitTest, theTransactionPasswordLeavesNoCopyInMemory) {
  LogOn("3100067890", "c12345");
  Records({"6222001|张三|1000.00"});
  Choose(0, 0);
  // The probe sees the field's copy; after the confirmation none may be left.
  // Earlier tests may leave freed copies that the flow overwrites, hence "at
  // most".
  const auto copies = [] {
    return CountInProcessMemory(QByteArrayView(reinterpret_cast<const char*>(u"123456"), 12));
  };
  int before = 0;
  prompts.AnswerModal([&](QDialog& dialog) {
    before = copies();
    Child<QLineEdit>(dialog, "edtPassword").setText(QString::fromUtf8("123456"));
    EXPECT_EQ(copies(), before + 1);
    Child<QPushButton>(dialog, "btnOk").click();
    return dialog.result();
  });
  Submit();
  EXPECT_TRUE(prompts.LastMessage().Text.startsWith("制单成功"));
  EXPECT_LE(copies(), before);
}

}  // namespace
