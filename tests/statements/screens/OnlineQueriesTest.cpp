#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "batch/screens/FormBatch.h"
#include "core/TextHelpers.h"
#include "platform/spreadsheet/Spreadsheet.h"
#include "session/screens/BankSession.h"
#include "statements/screens/StatementGrid.h"
#include "statements/screens/fmDealBrowserFileLink.h"
#include "statements/screens/fmDetailBrowserFileLink.h"
#include "support/Children.h"
#include "support/PdfText.h"
#include "support/SessionFixture.h"
#include "support/StartedRegisters.h"

namespace {

QString Day(int daysAgo) {
  return QDate::currentDate().addDays(-daysAgo).toString("yyyyMMdd");
}

class OnlineQueriesTest : public SessionFixture {
 protected:
  template <class Screen>
  void Show(Screen& screen, const char* custId, const char* password) {
    ScriptLogon(custId, "001", password);
    ASSERT_TRUE(session.LogOn(nullptr));
    screen.setParent(&main);
    screen.hide();
    main.resize(1200, 900);
    main.show();
    screen.show();
  }
  void Type(QWidget& screen, const char* field, const QString& text) {
    Child<QLineEdit>(screen, field).setText(text);
  }
  bool Enabled(QWidget& screen, const char* name) {
    return Child<QPushButton>(screen, name).isEnabled();
  }
  QString Label(QWidget& screen, const char* name) { return Child<QLabel>(screen, name).text(); }
  // The first record whose field holds the text.
  static int RecordWith(const StatementTable& table, const char* field, const char* text) {
    for (int recNo = 1; recNo <= table.RowCount(); ++recNo)
      if (table.Text(recNo, QString::fromUtf8(field)) == QString::fromUtf8(text)) return recNo;
    return 0;
  }
  // A click on the record's row, Ctrl held when adding.
  static void Click(TStatementGrid& grid, const StatementTable& table, int recNo,
                    bool add = false) {
    const QModelIndex cell = grid.model()->index(table.VisibleRowOf(recNo), 1);
    grid.scrollTo(cell);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, add ? Qt::ControlModifier : Qt::NoModifier,
                      grid.visualRect(cell).center());
  }
  // The next preview: the count line it shows, then saved as a PDF (a printing).
  void ScriptPreviewSaved(const std::function<QString()>& line, const QString& pdf,
                          QString* shownLine) {
    prompts.AnswerModal([=, this](QDialog& preview) {
      *shownLine = line();
      prompts.AnswerFile(pdf);
      preview.findChild<QAction*>("actSavePdf")->trigger();
      return int(QDialog::Rejected);
    });
  }

  TBankSession session{Config(), prompts};
  QWidget main;
  TStatementOnlineContext context{TScreenServices{prompts, {}}, session};
};

TEST_F(OnlineQueriesTest, accountDetailsArePagedNarrowedAndTheirReceiptsCounted) {
  TfmDetailBrowserFileLink screen(context);
  Show(screen, "3100012345", "a12345");
  const QDate today = QDate::currentDate();
  EXPECT_EQ(Child<QLineEdit>(screen, "edtBeginDate").text(),
            QDate(today.year(), today.month(), 1).toString("yyyyMMdd"));
  EXPECT_EQ(Child<QLineEdit>(screen, "edtEndDate").text(), Day(0));
  EXPECT_EQ(screen.Table().RowCount(), 1);
  EXPECT_FALSE(Enabled(screen, "Button1") || Enabled(screen, "Button2"));
  EXPECT_EQ(RequestsOf("N00009").size(), 1);
  EXPECT_FALSE(Child<QGroupBox>(screen, "grbSel").isEnabled());
  Child<QPushButton>(screen, "SpeedButtonQuery").click();
  EXPECT_EQ(prompts.LastMessage().Text, "请先选择需要查询的账号！");

  auto& accounts = Child<QComboBox>(screen, "cmbAcc");
  ASSERT_GE(accounts.count(), 2);
  accounts.setCurrentIndex(0);
  EXPECT_TRUE(Child<QGroupBox>(screen, "grbSel").isEnabled());
  for (const auto& [from, to, sent] :
       {std::tuple{"20260101", "20260402", false}, {"20251115", "20270101", false}}) {
    Type(screen, "edtBeginDate", from);
    Type(screen, "edtEndDate", to);
    screen.SpeedButtonQueryClick();
    EXPECT_EQ(prompts.LastMessage().Text, "查询时间段不能超过3个月！");
    EXPECT_EQ(RequestsOf("N00017").isEmpty(), !sent);
  }

  // Ten days hold three pages of twenty; each page carries the key of the last.
  Type(screen, "edtBeginDate", Day(9));
  Type(screen, "edtEndDate", Day(0));
  Child<QComboBox>(screen, "cmbDirection").setCurrentIndex(0);
  screen.SpeedButtonQueryClick();
  ASSERT_EQ(screen.Query().Pages, 3) << prompts.MessageTexts().join("\n").toStdString();
  EXPECT_TRUE(Enabled(screen, "Button2") && !Enabled(screen, "Button1"));
  EXPECT_EQ(RequestsOf("N00017").last().Body, DetailQueryBody(session.User(), [&] {
              SelItem first = screen.Query();
              first.Page = 1;
              first.PostStr.clear();
              return first;
            }()));
  const QString key = screen.Query().PostStr;
  screen.Button2Click();
  EXPECT_TRUE(RequestsOf("N00017").last().Body.endsWith("&PAGE=2&STS_TRACE_ID=" +
                                                        UrlEncode(key, false).toLatin1()));
  EXPECT_TRUE(Enabled(screen, "Button2") && Enabled(screen, "Button1"));
  screen.Button2Click();
  EXPECT_TRUE(!Enabled(screen, "Button2") && Enabled(screen, "Button1"));
  EXPECT_EQ(screen.Query().ReturnAll, "0");

  // Every fault on a page leaves the screen usable with the rows it had.
  const int rows = screen.Table().RowCount();
  for (const char* mode :
       {"error", "certificate", "busy503", "nonxml", "empty", "drop", "tooclose", "bare"}) {
    sim.SetFault(mode, 1, {{"txcode", "N00017"}});
    screen.Button1Click();
    EXPECT_EQ(screen.Table().RowCount(), rows) << mode;
    EXPECT_TRUE(main.isEnabled() && screen.isEnabled()) << mode;
    EXPECT_EQ(prompts.LastMessage().Icon, QMessageBox::Critical) << mode;
  }

  // A credit row puts the counterpart first; with two rows selected a click
  // leaves the panel as it is.
  auto& grid = Child<TStatementGrid>(screen, "DBGrid1");
  const int credit = RecordWith(screen.Table(), "借贷标志", "贷方");
  ASSERT_GT(credit, 0);
  Click(grid, screen.Table(), credit);
  EXPECT_EQ(Label(screen, "stxtPayName"), screen.Table().Text(credit, "对方户名"));
  EXPECT_EQ(Label(screen, "stxtPayBank"), "");
  const int debit = RecordWith(screen.Table(), "借贷标志", "借方");
  Click(grid, screen.Table(), debit, true);
  EXPECT_EQ(Label(screen, "stxtPayName"), screen.Table().Text(credit, "对方户名"));

  // PRINUM 0 previews "第0次补打。"; saving from the preview is a printing
  // that the bank is told of.
  QString shown;
  ScriptPreviewSaved([&] { return screen.Receipt().PrintCountLine; }, dir.File("receipt.pdf"),
                     &shown);
  screen.FlatButtonPreviewClick();
  EXPECT_EQ(shown, "第0次补打。");
  EXPECT_EQ(screen.Receipt().PrintCountLine, "第1次补打");
  const TSimRequest report = RequestsOf("610732").last();
  EXPECT_EQ(report.Path, "/NNVX/NECV5B2BMainPlat");
  EXPECT_TRUE(report.Body.contains("&SEARCH_TYPE=1&AMT=" + screen.Receipt().Money.toLatin1()));
  EXPECT_EQ(sim.PrintCounts().at(0).toObject().value("count").toInt(), 1);
  EXPECT_TRUE(PdfLines(dir.File("receipt.pdf")).join(' ').contains("第0次补打。"));

  // The whole result as a workbook; a range the bank cannot give whole is refused.
  const QString saved = dir.File("details.xls");
  prompts.AnswerFile(saved);
  screen.FlatButtonDownloadClick();
  EXPECT_GT(ReadWorkbookFile(saved).Sheets.at(0).RowCount(), 40);
  EXPECT_EQ(RequestsOf("N00018").size(), 1);
  Type(screen, "edtBeginDate", Day(45));
  screen.SpeedButtonQueryClick();
  EXPECT_NE(screen.Query().ReturnAll, "0");
  screen.FlatButtonDownloadClick();
  EXPECT_EQ(prompts.LastMessage().Text, "因查询时间范围过大以致下载失败，请缩短查询时间范围！");
  EXPECT_EQ(RequestsOf("N00018").size(), 1);

  // The logoff takes the session's accounts and rows off the screen.
  session.LogOff();
  EXPECT_EQ(accounts.count(), 0);
  EXPECT_EQ(screen.Table().RowCount(), 1);
  EXPECT_EQ(Label(screen, "stxtPayName"), "");
}

TEST_F(OnlineQueriesTest, olderTransferFlowsShowTheirReceiptsAndReportEachPrinting) {
  TfmDealBrowserFileLink screen(context);
  Show(screen, "3100067890", "c12345");
  EXPECT_EQ(Child<QComboBox>(screen, "cmbDJTYPE").count(), 5);
  EXPECT_EQ(Child<QComboBox>(screen, "cmbAcc").currentText(), "***请选择***");
  Type(screen, "edtBeginDate", "2026011");
  screen.SpeedButtonQueryClick();
  EXPECT_EQ(prompts.LastMessage().Text, "起止日期输入格式不合法！正确输入应为YYYYMMDD格式！");
  EXPECT_TRUE(RequestsOf("671901").isEmpty());
  Type(screen, "edtBeginDate", "");
  Type(screen, "edtEndDate", "");
  screen.SpeedButtonQueryClick();
  EXPECT_TRUE(RequestsOf("671901").value(0).Body.contains(
      "&DJTYPE=0&DATE_TYPE=0&BEGINDATE=&ENDDATE=&STARTMONEY="));
  EXPECT_TRUE(RequestsOf("671901").value(0).Body.endsWith("&ACCNO=&PAGE=1"));

  auto& grid = Child<TStatementGrid>(screen, "DBGrid1");
  const int pending = RecordWith(screen.Table(), "状态", "银行受理中");
  ASSERT_GT(pending, 0);
  Click(grid, screen.Table(), pending);
  EXPECT_EQ(prompts.LastMessage().Text, "只有成功单据才能够进行电子回单打印。");
  EXPECT_TRUE(RequestsOf("671906").isEmpty());

  const int done = RecordWith(screen.Table(), "状态", "银行受理成功");
  ASSERT_GT(done, 0);
  Click(grid, screen.Table(), done);
  ASSERT_EQ(RequestsOf("671906").size(), 1) << prompts.MessageTexts().join("\n").toStdString();
  EXPECT_EQ(Label(screen, "stxtCur"), "人民币");
  EXPECT_EQ(Label(screen, "stxtStatus"), "银行受理成功");

  const QString creditNo = screen.Table().Text(done, "凭证号");
  sim.SetPrintCount({{"customer", "3100067890"}, {"creditNo", creditNo}}, 9);
  QString shown;
  ScriptPreviewSaved([&] { return screen.Receipt().PrintCountLine; }, dir.File("deal.pdf"), &shown);
  screen.SpeedButtonPreviewClick();
  EXPECT_EQ(shown, "第9次补打。");
  EXPECT_TRUE(
      RequestsOf("671904").value(0).Body.endsWith("&CREDITNO=" + creditNo.toLatin1() + "&FLAG=9"));
  EXPECT_EQ(screen.Receipt().PrintCountLine, "第9次补打。");
}

TEST_F(OnlineQueriesTest, newerTransferFlowsSendTheirCodesAndPrintWithoutACount) {
  TfmDealBrowserFileLink screen(context);
  Show(screen, "3100012345", "a12345");
  auto& states = Child<QComboBox>(screen, "cmbDJTYPE");
  EXPECT_EQ(states.count(), 13);
  states.setCurrentIndex(states.findText("银行已汇出"));
  Child<QComboBox>(screen, "cmbDateType").setCurrentIndex(1);
  screen.SpeedButtonQueryClick();
  EXPECT_TRUE(RequestsOf("NN4101").value(0).Body.contains("&Pcs_St=a&Enqr_Dt_TpCd=2&"));

  states.setCurrentIndex(states.findText("交易成功"));
  Type(screen, "edtBeginDate", "");
  Type(screen, "edtEndDate", "");
  screen.SpeedButtonQueryClick();
  const int done = RecordWith(screen.Table(), "状态", "交易成功");
  ASSERT_GT(done, 0) << prompts.MessageTexts().join("\n").toStdString();
  Click(Child<TStatementGrid>(screen, "DBGrid1"), screen.Table(), done);
  ASSERT_EQ(RequestsOf("NN410P").size(), 1) << prompts.MessageTexts().join("\n").toStdString();
  QString shown = "unset";
  ScriptPreviewSaved([&] { return screen.Receipt().PrintCountLine; }, dir.File("v6.pdf"), &shown);
  screen.SpeedButtonPreviewClick();
  EXPECT_EQ(shown, "");
  EXPECT_EQ(RequestsOf("NN410P").size(), 2);
  EXPECT_TRUE(RequestsOf("671904").isEmpty());
  EXPECT_TRUE(PdfLines(dir.File("v6.pdf")).join(' ').contains(screen.Table().Text(done, "凭证号")));
}

TEST_F(OnlineQueriesTest, aBatchSubmittedOnTheBatchScreenComesBackWithItsReceipt) {
  TStartedRegisters registers(dir.Path());
  TFormBatch batch(TBatchContext{{{prompts, {}}, registers, &TSpreadsheetApp::Start}, session});
  TfmDealBrowserFileLink screen(context);
  Show(screen, "3100067890", "c12345");
  auto doc = std::make_unique<TPayMoneyInfo>();
  doc->Payer.PayAccNo = "3100067890001";
  doc->Payer.PayAccName = "维岭旧版接口测试公司";
  doc->Payer.BranchCode = "0101";
  doc->Payee.RcvAccNo = "6217000033334444";
  doc->Payee.RcvAccName = "收款人44";
  doc->Payee.IsNVX = "1";
  doc->Payee.BankCode = "105";
  doc->Money = TAmount::FromYuan(2680);
  doc->Usage = "设备款";
  batch.Batch().Append(std::move(doc));
  batch.Refresh();
  Child<QLineEdit>(batch, "edtPassword").setText("123456");
  batch.btnSubmitClick();
  ASSERT_EQ(prompts.LastMessage().Caption, "提示") << prompts.LastMessage().Text.toStdString();

  Type(screen, "edtRevAcc", "6217000033334444");
  screen.SpeedButtonQueryClick();
  ASSERT_EQ(screen.Table().RowCount(), 1) << prompts.MessageTexts().join("\n").toStdString();
  Click(Child<TStatementGrid>(screen, "DBGrid1"), screen.Table(), 1);
  const QString creditNo = screen.Table().Text(1, "凭证号");
  EXPECT_EQ(Label(screen, "stxtCreditno"), creditNo);
  QString shown;
  ScriptPreviewSaved([&] { return screen.Receipt().PrintCountLine; }, dir.File("batch.pdf"),
                     &shown);
  screen.SpeedButtonPreviewClick();
  const QString text = PdfLines(dir.File("batch.pdf")).join(' ');
  for (const QString& expected :
       {QStringLiteral("维岭银行网上银行电子回单"), creditNo, QStringLiteral("6217000033334444"),
        QStringLiteral("设备款"), QStringLiteral("￥2680.00元"), QStringLiteral("第0次补打。")})
    EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\n" << text.toStdString();
}

}  // namespace
