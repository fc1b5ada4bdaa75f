#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "platform/codec/Gbk.h"
#include "platform/files/AtomicFile.h"
#include "platform/prompts/ScriptedPrompts.h"
#include "platform/spreadsheet/Spreadsheet.h"
#include "statements/offline/HisTraList.h"
#include "statements/screens/StatementGrid.h"
#include "statements/screens/VoucherPanelParts.h"
#include "statements/screens/fmDealBrowserFile.h"
#include "statements/screens/fmDetailBrowserFile.h"
#include "support/Children.h"

namespace {

QByteArray DetailLine(const char* side, const char* amount, const char* name) {
  return QByteArray("\"20261101\",\"\",\"\",\"V\",\"") + side + "\",\"" + amount +
         "\",\"9.00\",\"\",\"" + name +
         "\",\"6222\",\"摘\",\"货款\",\"\",\"\",\"3100012345001\",\"维岭示范贸易\","
         "\"维岭银行\",\"正常\",\"\"\r\n";
}

QByteArray FlowLine(const char* amount, const char* status) {
  return QByteArray("JY|PC|维岭|3100|维岭行|") + amount +
         "|人民币|V1|李|赵|周|||转账|青禾|622|工行|货款|" + status + "|2026-11-03 09:15:22|||\r\n";
}

class FileBrowsersTest : public testing::Test {
 protected:
  QString Write(const char* name, const QByteArray& utf8) {
    QString path = dir.filePath(QString::fromUtf8(name));
    WriteFileAtomically(path, codec::ToGbk(QString::fromUtf8(utf8)));
    return path;
  }
  QString Label(QWidget& screen, const char* name) { return Child<QLabel>(screen, name).text(); }
  QString Totals(QWidget& screen) { return Child<TTotalsLine>(screen, "pnlTotals").Text(); }
  // Clicks the rows of the visible places given, Ctrl held after the first.
  void ClickRows(TStatementGrid& grid, std::initializer_list<int> rows) {
    Qt::KeyboardModifiers modifiers;
    for (const int row : rows) {
      const QPoint at = grid.visualRect(grid.model()->index(row, 1)).center();
      QTest::mouseClick(grid.viewport(), Qt::LeftButton, modifiers, at);
      modifiers = Qt::ControlModifier;
    }
  }

  QTemporaryDir dir;
  TScriptedPrompts prompts;
  TStatementContext context{TScreenServices{prompts, {}}, dir.path()};
};

TEST_F(FileBrowsersTest, anAccountDetailFileIsShownTotalledAndPrintedAsVouchers) {
  TfmDetailBrowserFile screen(context);
  screen.resize(1000, 700);
  screen.show();
  EXPECT_EQ(Totals(screen), "借方合计：￥0.00 贷方合计：￥0.00 总记录：0");

  prompts.AnswerFile(Write("header.csv", "\"日期\"\r\n\r\n"));
  screen.FlatButton1Click();
  EXPECT_EQ(Totals(screen), "借方合计：￥0.00 贷方金额￥0.00 总记录：0");
  screen.FlatButton2Click();
  EXPECT_EQ(prompts.LastMessage().Text, "系统文件损坏,请重新安装系统");
  WriteWorkbookFile(HisTraListTemplate(), dir.filePath("HisTraList.xlt"));
  screen.FlatButton2Click();
  EXPECT_EQ(prompts.LastMessage().Text, "当前系统没有历史交易明细数据,请先更新数据!");

  prompts.AnswerFile(Write("d.csv", "\"日期\"\r\n" + DetailLine("0", "1234.5", "青禾") +
                                        DetailLine(" 1 ", "20", "远帆") +
                                        DetailLine("0", "300", "明澄")));
  screen.FlatButton1Click();
  EXPECT_EQ(Label(screen, "lblAccNo"), "3100012345001");
  EXPECT_EQ(Label(screen, "lblAccName"), "维岭示范贸易");
  EXPECT_EQ(Totals(screen), "借方合计：￥1,534.50 贷方金额￥20.00 总记录：3");
  EXPECT_EQ(Label(screen, "lblAmount"), "1234.50");
  EXPECT_EQ(Child<TPartyPanel>(screen, "pnlPayer").Line(0), "维岭示范贸易");

  // The credit's counterpart pays; a click sorts, the marks follow.
  auto& grid = Child<TStatementGrid>(screen, "DBGrid1");
  ClickRows(grid, {1});
  EXPECT_EQ(Child<TPartyPanel>(screen, "pnlPayer").Line(0), "远帆");
  Q_EMIT grid.horizontalHeader()->sectionClicked(2);
  EXPECT_EQ(grid.ColumnText(2), "▲用途");

  // Three rows selected with Ctrl in sorted order print in record order.
  Q_EMIT grid.horizontalHeader()->sectionClicked(4);  // ▼借(贷)方发生额
  ClickRows(grid, {0, 2, 1});
  screen.FlatButton4Click();
  ASSERT_EQ(screen.Vouchers().Vouchers.size(), 3);
  EXPECT_EQ(screen.Vouchers().Vouchers[1].Payer.Name, "远帆");
  EXPECT_EQ(prompts.ModalRuns().back().ObjectName, "PrintDialog");

  // The export goes where the clerk says and opens in the desktop.
  const QString saved = dir.filePath("明细.xls");
  prompts.AnswerFile(saved);
  screen.FlatButton2Click();
  EXPECT_EQ(ReadWorkbookFile(saved).Sheets.at(0).Cell(3, 5), "1234.50");
  EXPECT_EQ(prompts.OpenedUrls().value(0), QUrl::fromLocalFile(saved));

  // A side that is neither debit nor credit stops the reading; the rows read
  // stay, the totals too.
  prompts.AnswerFile(
      Write("bad.csv", "\"日期\"\r\n" + DetailLine("0", "5", "甲") + DetailLine("2", "6", "乙")));
  screen.FlatButton1Click();
  EXPECT_EQ(prompts.LastMessage().Text, "导入文件出错，该文件中不包含历史明细数据！（第3行）");
  EXPECT_EQ(screen.Table().RowCount(), 1);
  EXPECT_EQ(Totals(screen), "借方合计：￥1,534.50 贷方金额￥20.00 总记录：3");

  grid.clearSelection();
  screen.FlatButton3Click();
  EXPECT_EQ(prompts.LastMessage().Text, "请选择要打印的数据!");
}

TEST_F(FileBrowsersTest, aTransferFlowFileIsShownWithItsSumAndVouchersWithTheirStatus) {
  TfmDealBrowserFile screen(context);
  screen.resize(1000, 700);
  screen.show();
  prompts.AnswerFile(
      Write("f.txt", FlowLine("88.8", "银行受理成功") + "\r\n" + FlowLine("11.2", "银行受理中")));
  screen.SpeedButton1Click();
  EXPECT_EQ(screen.Table().RowCount(), 2);
  EXPECT_EQ(Totals(screen), "合计金额￥100.00 总记录：2");
  EXPECT_EQ(Label(screen, "lblAmount"), "88.80");
  EXPECT_EQ(Label(screen, "lblStatus"), "银行受理成功");
  EXPECT_EQ(Child<TPartyPanel>(screen, "pnlPayee").Line(2), "工行");

  auto& grid = Child<TStatementGrid>(screen, "DBGrid2");
  ClickRows(grid, {0, 1});
  prompts.AnswerModal(QDialog::Rejected);
  screen.SpeedButton3Click();
  EXPECT_EQ(prompts.ModalRuns().back().ObjectName, "ReportPreview");
  ASSERT_EQ(screen.Vouchers().Vouchers.size(), 2);
  EXPECT_EQ(screen.Vouchers().Vouchers[1].Status, "凭证状态[银行受理中]");

  QByteArray shortLine = FlowLine("1", "x");
  shortLine.replace("|||\r\n", "||\r\n");
  prompts.AnswerFile(Write("short.txt", shortLine));
  screen.SpeedButton1Click();
  EXPECT_EQ(prompts.LastMessage().Text, "导入的文件有误,请检查是否是网银流水数据！（第1行）");
}

}  // namespace
