#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/codec/Gbk.h"
#include "platform/files/AtomicFile.h"
#include "platform/spreadsheet/Spreadsheet.h"
#include "statements/offline/FileVouchers.h"
#include "statements/offline/HisTraList.h"
#include "statements/records/DetailFile.h"
#include "statements/records/FlowFile.h"
#include "support/SystemPython.h"

namespace {

// An account-detail line: date, voucher, debit ("0") or credit ("1"), amount,
// counterpart name and account, purpose.
QByteArray DetailLine(const char* date, const char* voucher, const char* side, const char* amount,
                      const char* name, const char* account, const char* purpose) {
  return QByteArray("\"") + date + "\",\"\",\"\",\"" + voucher + "\",\"" + side + "\",\"" + amount +
         "\",\"100.00\",\"\",\"" + name + "\",\"" + account + "\",\"摘\",\"" + purpose +
         "\",\"\",\"\",\"3100012345001\",\"维岭示范贸易\",\"维岭银行上海分行\",\"正常\",\"\"\r\n";
}

QByteArray Gbk(const QByteArray& utf8) {
  return codec::ToGbk(QString::fromUtf8(utf8));
}

StatementTable DetailTable(const QByteArray& lines) {
  StatementTable table(DetailFileRow());
  EXPECT_TRUE(ReadDetailBytes(Gbk(QByteArray("header\r\n") + lines), table).Ok());
  return table;
}

TEST(FileVouchers, theCounterpartPaysACreditAndTheOwnAccountADebit) {
  StatementTable table =
      DetailTable(DetailLine("20261101", "V1", "1", "1234.5", "青禾", "622", "货款") +
                  DetailLine("20261102", "V2", "0", "20", "远帆", "330", "运费") +
                  DetailLine("20261103", "V3", "借方", "5", "x", "y", "z"));
  const TDetailFilePanel credit = DetailFilePanelOf(table, 1);
  EXPECT_EQ(credit.Payer->Name, "青禾");
  EXPECT_EQ(credit.Payee->Account, "3100012345001");
  EXPECT_EQ(credit.Amount, "1234.50");
  EXPECT_EQ(credit.AmountInWords, "壹仟贰佰叁拾肆元伍角");
  EXPECT_EQ(credit.Summary, "货款");

  const TFormHisDetailRep report = DetailFileVouchers(table, {1, 2});
  EXPECT_FALSE(report.Signatures);
  ASSERT_EQ(report.Vouchers.size(), 2);
  EXPECT_EQ(report.Vouchers[0].Payer.Name, "青禾");
  EXPECT_EQ(report.Vouchers[1].Payer.Name, "维岭示范贸易");
  EXPECT_EQ(report.Vouchers[1].Payee.Bank, "");
  EXPECT_EQ(report.Vouchers[1].AmountInWords, "人民币贰拾元整");
  EXPECT_EQ(report.Vouchers[1].Amount, "￥20.00");
  EXPECT_TRUE(report.Vouchers[1].Status.isEmpty());
}

TEST(FileVouchers, flowVouchersCarryTheStatusWhileThePanelShowsAVoucher) {
  StatementTable table(FlowFileRow());
  const auto line = [](const char* made, const char* status) {
    return QByteArray(
               "JY1|PC1|维岭|3100|维岭行|88.8|人民币|V|李|赵|周|备一|备二|转账|青禾|622|工行|"
               "货款|") +
           status + "|" + made + "|||\r\n";
  };
  ASSERT_TRUE(
      ReadFlowBytes(Gbk(line("2026-11-03 09:15:22", "银行受理成功") + line("昨天", "失败")), table)
          .Ok());
  QList<int> unread;
  TFormHisDetailRep report = FlowFileVouchers(table, {1, 2}, true, &unread);
  ASSERT_EQ(report.Vouchers.size(), 2);
  EXPECT_TRUE(report.Signatures);
  EXPECT_EQ(report.Vouchers[0].Date, "2026-11-03");
  EXPECT_EQ(report.Vouchers[0].Status, "凭证状态[银行受理成功]");
  EXPECT_EQ(report.Vouchers[1].Status, "凭证状态[失败]");
  EXPECT_EQ(report.Vouchers[0].Amount, "￥88.80");
  EXPECT_EQ(report.Vouchers[0].AmountInWords, "人民币捌拾捌元捌角");
  EXPECT_EQ(report.Vouchers[0].Maker, "李");
  EXPECT_EQ(report.Vouchers[0].Approver, "周");
  EXPECT_EQ(report.Vouchers[1].Date, "昨天");
  EXPECT_EQ(unread, QList<int>({2}));
  report = FlowFileVouchers(table, {2}, false);
  EXPECT_TRUE(report.Vouchers[0].Status.isEmpty());
}

TEST(HisTraList, rowsGoFromRowFourInTheTablesOrderAndTheShippedTemplateIsOurs) {
  QByteArray lines;
  for (int i = 1; i <= 12; ++i)
    lines += DetailLine("20261101", QByteArray::number(100 + i).constData(), "0",
                        QByteArray::number(i).constData(), "甲", "1", "用");
  StatementTable table = DetailTable(lines);
  table.SortByColumn(4);  // 借(贷)方发生额 ascending, then descending
  table.SortByColumn(4);

  QTemporaryDir dir;
  const QString path = dir.filePath("export.xls");
  TWorkbook book(HisTraListTemplate());
  TWorksheet sheet = book.Worksheet(1);
  FillHisTraList(sheet, table, "3100012345001", "维岭示范贸易");
  book.SaveAs(path);
  const QByteArray read = RunSystemPython(QStringLiteral(R"py(
import sys, xlrd
s = xlrd.open_workbook(sys.argv[1]).sheet_by_index(0)
print(s.cell_value(1, 2), s.cell_value(1, 8), s.cell_value(2, 0))
print(s.cell_value(3, 1), s.cell_value(3, 5), s.cell_value(13, 1), s.nrows)
)py"),
                                          {path});
  EXPECT_EQ(QString::fromUtf8(read), "3100012345001 维岭示范贸易 交易日期\n112 12.00 102 15\n");

  // The template in param is the one this code makes.
  const QString shipped = QStringLiteral(REPOSITORY_DIR "/data/param/HisTraList.xlt");
  const QString made = dir.filePath("made.xlt");
  WriteWorkbookFile(HisTraListTemplate(), made);
  if (qEnvironmentVariableIsSet("REWRITE_SHIPPED_FILES")) QFile::copy(made, shipped);
  EXPECT_TRUE(ReadWholeFile(made) == ReadWholeFile(shipped))
      << "run this test with REWRITE_SHIPPED_FILES=1 to write data/param/HisTraList.xlt again";
  EXPECT_EQ(ReadWorkbookFile(shipped).Sheets.at(0).ColumnWidths.size(), 10u);
}

}  // namespace
