#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "BatchFixture.h"
#include "batch/documents/BatchFile.h"
#include "batch/documents/BatchWorkbook.h"
#include "batch/screens/BatchCommands.h"
#include "batch/screens/FailPanel.h"
#include "platform/codec/Gbk.h"
#include "platform/spreadsheet/Spreadsheet.h"
#include "support/Children.h"
#include "support/SystemPython.h"

namespace {

class BatchScreenTest : public BatchFixture {
 protected:
  QString WorkingCopy() { return app.File("param/PayInfo.tmp"); }
  void StoreWorkingCopy(int count) {
    Data();  // makes "param"
    TBatch batch;
    FillBatch(batch, count);
    SaveBatchFile(batch, WorkingCopy());
  }
  QString WriteText(const char* name, const QString& text) {
    app.Write(QString("io/") + name, codec::ToGbk(text));
    return app.File(QString("io/") + name);
  }
  QStringList Enabled(TFormBatch& screen) {
    QStringList enabled;
    for (const char* name : {"btnNew", "btnEdit", "btnDelete", "btnClear", "btnFind", "btnFindNext",
                             "btnExport", "btnExportExcel", "btnImport", "btnSubmit"})
      if (Button(screen, name)->isEnabled()) enabled << Button(screen, name)->text();
    return enabled;
  }
  static QString Line(int seqNo, const char* payeeAcc, const char* amount) {
    return QString("%1|北京测试公司|3100012345001|0101|%2|李四|0101|柜台| | |1|%3|01|货款| | |")
        .arg(seqNo, 3, 10, QChar('0'))
        .arg(payeeAcc, amount);
  }
};

}  // namespace

TEST_F(BatchScreenTest, commandsFollowTheDocumentCountUpToEightHundred) {
  TFormBatch screen(Context());
  screen.show();
  EXPECT_EQ(Enabled(screen),
            QStringList({"新增", "查询", "查询下一个", "导入", "在线提交转账记录"}));
  EXPECT_EQ(Child<QLabel>(screen, "lblCount").text(), "共 0 笔");

  FillBatch(screen.Batch(), 799);
  screen.Refresh();
  EXPECT_TRUE(Button(screen, "btnNew")->isEnabled());
  EXPECT_TRUE(Button(screen, "btnImport")->isEnabled());
  screen.Batch().Append(BatchDoc("3100012345001", "6217", 1));
  screen.Refresh();
  EXPECT_EQ(Enabled(screen), QStringList({"修改", "删除", "清空", "查询", "查询下一个", "导出",
                                          "导出Excel", "在线提交转账记录"}));
  EXPECT_EQ(Child<QLabel>(screen, "lblCount").text(), "共 800 笔");
  EXPECT_EQ(Child<QLabel>(screen, "lblSum").text(),
            "总金额 319,601.00 元");  // 1 + 2 + ... + 799, + 1

  const TMapleGrid& grid = Child<TMapleGrid>(screen, "grdBatch");
  EXPECT_EQ(grid.ColumnText(6), "金额");
  EXPECT_EQ(grid.CellText(0, 799), "800");
  EXPECT_EQ(grid.CellText(6, 0), "1.00");
  EXPECT_EQ(grid.CellText(6, 798), "799.00");

  // The largest amount shows whole: the amount column widens to it.
  screen.Batch()[0].Money = TAmount::Parse(u"99999999999.99").value();
  screen.Refresh();
  EXPECT_EQ(grid.CellText(6, 0), "99,999,999,999.99");
  EXPECT_EQ(grid.CellToolTip(6, 0), "");

  QLineEdit& password = Child<QLineEdit>(screen, "edtPassword");
  EXPECT_EQ(password.echoMode(), QLineEdit::Password);
  password.setText("1234567890123");
  EXPECT_EQ(password.text(), "123456789012");
}

TEST_F(BatchScreenTest, textImportStopsAtEightHundredAtAnEmptyLineAndWhenTheClerkCancels) {
  QStringList lines;
  for (int i = 1; i <= 900; ++i) lines << Line(i, "6217000033334444", "10");
  const QString big = WriteText("big.txt", lines.join("\r\n") + "\r\n");

  TFormBatch screen(Context());
  screen.show();
  prompts.AnswerFile(big);
  screen.btnImportClick();
  EXPECT_EQ(screen.Batch().Count(), 800);
  EXPECT_EQ(prompts.Messages().size(), 1u);
  ExpectLastMessage(QMessageBox::Information, "批量制单", "800条以后的付款记录将无法导入!");
  EXPECT_FALSE(Button(screen, "btnImport")->isEnabled());
  EXPECT_EQ(prompts.FileDialogs().back().Filter, "文本文件(*.txt);;Excel文件(*.xls *.xlsx)");

  // Rejected lines are asked about by their number; an empty line ends it all.
  screen.Batch().Clear();
  const QString text =
      WriteText("mixed.txt", "  " + Line(1, "A1", "10") + "\t\r\n" + Line(2, "A2", "0") + "\r\n" +
                                 Line(3, "A3|x", "10") + "\r\n" + Line(4, "A4", "5") + "\r\n\r\n" +
                                 Line(5, "A5", "5") + "\r\n");
  prompts.AnswerFile(text);
  prompts.Answer(QMessageBox::Ok);
  prompts.Answer(QMessageBox::Ok);
  screen.btnImportClick();
  EXPECT_EQ(Column(Child<TMapleGrid>(screen, "grdBatch"), 3), QStringList({"A1", "A4"}));
  EXPECT_EQ(prompts.MessageTexts().mid(1),
            QStringList({"导入第2行失败,继续吗?", "导入第3行失败,继续吗?"}));
  ExpectLastMessage(QMessageBox::Question, "批量制单", "导入第3行失败,继续吗?");

  prompts.AnswerFile(text);
  prompts.Answer(QMessageBox::Cancel);
  screen.btnImportClick();
  EXPECT_EQ(screen.Batch().Count(), 3);  // A1 again, then stopped at line 2
  EXPECT_EQ(prompts.StatusTexts(),
            QStringList({"已导入 800 条记录", "已导入 2 条记录", "已导入 1 条记录"}));
  EXPECT_EQ(prompts.FileDialogs().back().Path, app.File("io"));  // where the last file was

  // An amount that is not plain payment text is refused like any bad line.
  screen.Batch().Clear();
  prompts.AnswerFile(WriteText("slips.txt", Line(1, "B1", "1e5") + "\r\n" + Line(2, "B2", "0.001") +
                                                "\r\n" + Line(3, "B3", "12.50") + "\r\n"));
  prompts.Answer(QMessageBox::Ok);
  prompts.Answer(QMessageBox::Ok);
  screen.btnImportClick();
  EXPECT_EQ(Column(Child<TMapleGrid>(screen, "grdBatch"), 3), QStringList({"B3"}));
  EXPECT_EQ(prompts.MessageTexts().mid(prompts.MessageTexts().size() - 2),
            QStringList({"导入第1行失败,继续吗?", "导入第2行失败,继续吗?"}));

  // A file that cannot be read is reported; the batch stays.
  prompts.AnswerFile(app.File("io/missing.txt"));
  screen.btnImportClick();
  EXPECT_EQ(prompts.LastMessage().Caption, "错误");
  EXPECT_EQ(screen.Batch().Count(), 1);
}

TEST_F(BatchScreenTest, workbookImportEndsSilentlyAtTheFirstRowWithoutAnAmount) {
  TBatch source;
  FillBatch(source, 25);
  source[19].Money = TAmount();
  source[4].Usage = "货|款";
  source[7].Money = TAmount::FromUnits(10);  // 0.001: no payment amount
  const QString path = app.File("io/batch.xls");
  {
    std::unique_ptr<TWorkbook> book = TSpreadsheetApp::Start()->NewWorkbook();
    TWorksheet sheet = book->Worksheet(1);
    WriteBatchSheet16(source, sheet);
    book->SaveAs(path);
  }
  TFormBatch screen(Context());
  screen.show();
  prompts.AnswerFile(path);
  prompts.Answer(QMessageBox::Ok);
  prompts.Answer(QMessageBox::Ok);
  screen.btnImportClick();
  EXPECT_EQ(screen.Batch().Count(), 17);  // rows 1-19 less rows 5 and 8
  EXPECT_EQ(prompts.MessageTexts(),
            QStringList({"导入第5行失败,继续吗?", "导入第8行失败,继续吗?"}));
  EXPECT_EQ(screen.Batch()[4].Payee.RcvAccNo, source[5].Payee.RcvAccNo);

  // Without the spreadsheet component nothing is imported.
  startSpreadsheet = []() -> std::unique_ptr<TSpreadsheetApp> {
    throw TSpreadsheetStartError("none");
  };
  prompts.AnswerFile(path);
  screen.btnImportClick();
  ExpectLastMessage(QMessageBox::Critical, "错误", "Excel may not be installed");
  EXPECT_EQ(screen.Batch().Count(), 17);
}

TEST_F(BatchScreenTest, workbookImportAsksAboutARowWhoseAccountNumberLostDigits) {
  const QString path = app.File("io/batch.xlsx");
  RunSystemPython(QStringLiteral(R"py(
import sys, openpyxl
wb = openpyxl.Workbook()
wb.active.append(["序号", "付款账号", "付款户名", "行别", "收款账号", "收款户名",
                  "开户行", "联行号", "流水号", "金额", "用途", "备注"])
for seq, payee in ((1, "6222021234567"), (2, 622202123456789012), (3, "6222021234569")):
    wb.active.append([seq, "3100012345001", "北京测试公司", "01", payee, "收款人", "", "",
                      "", "12.50", "货款", "x"])
wb.save(sys.argv[1])
)py"),
                  {path});
  TFormBatch screen(Context());
  screen.show();
  prompts.AnswerFile(path);
  prompts.Answer(QMessageBox::Ok);
  screen.btnImportClick();
  EXPECT_EQ(prompts.MessageTexts(),
            QStringList({"第3行未导入：账号是数字格式，文件中已丢失位数。请把账号列设为文本格式，"
                         "重新输入完整的账号后再导入。\n继续导入其余行吗?"}));
  ASSERT_EQ(screen.Batch().Count(), 2);
  EXPECT_EQ(screen.Batch()[1].Payee.RcvAccNo, "6222021234569");
}

TEST_F(BatchScreenTest, exportsWriteTheTextFileItsArchiveAndTheWorkbookOfTheTradeType) {
  TFormBatch screen(Context());
  screen.show();
  FillBatch(screen.Batch(), 2);
  screen.Refresh();

  prompts.AnswerFile(app.File("io/2024批次.txt"));
  screen.btnExportClick();
  EXPECT_EQ(app.Read("io/2024批次.txt"), BatchTextBytes(screen.Batch()));
  EXPECT_EQ(app.Read("BatchLog/2024批次.xml"), BatchFileBytes(screen.Batch()));
  prompts.AnswerFile(app.File("io/abc"));  // three characters and no extension
  screen.btnExportClick();
  EXPECT_TRUE(QFile::exists(app.File("io/abc.txt")));
  EXPECT_TRUE(QFile::exists(app.File("BatchLog/abc.xml")));
  EXPECT_TRUE(prompts.Messages().empty());
  EXPECT_EQ(prompts.StatusTexts(), QStringList({"已导出 2 条记录", "已导出 2 条记录"}));

  for (qint32 tradeType : {1, 0}) {
    session.User().TradeType = tradeType;
    const QString path = app.File(QString("io/t%1.xlsx").arg(tradeType));
    prompts.AnswerFile(path);
    screen.btnExportExcelClick();
    TWorkbookData book = ReadWorkbookFile(path);
    EXPECT_EQ(book.Sheets.at(0).ColumnCount(), tradeType == 1 ? 12 : 16);
  }
  EXPECT_EQ(prompts.FileDialogs().back().Filter, "Excel文件(*.xls);;Excel文件(*.xlsx)");

  // A workbook that cannot be written: a directory stands in the way.
  QDir().mkpath(app.File("io/taken.xls"));
  prompts.AnswerFile(app.File("io/taken.xls"));
  screen.btnExportExcelClick();
  ExpectLastMessage(QMessageBox::Warning, "系统提示", "连接到EXCEL文件失败!");

  screen.Batch().Clear();
  screen.btnExportExcelClick();
  ExpectLastMessage(QMessageBox::Warning, "系统提示", "当前没有数据可以导出,请先更新数据!");
}

TEST_F(BatchScreenTest, deleteRenumbersTheFailuresAndClearEmptiesAndSavesAfterAsking) {
  TFormBatch screen(Context());
  screen.show();
  FillBatch(screen.Batch(), 8);
  screen.Refresh();
  TFailPanel& panel = Child<TFailPanel>(screen, "pnlFail");
  panel.ShowFails(
      {{"002", "", "", "", "", ""}, {"004", "", "", "", "", ""}, {"007", "", "", "", "", ""}}, "8");
  EXPECT_TRUE(panel.IsOpen());
  EXPECT_EQ(Child<QLabel>(panel, "lblFailSum").text(), "合计笔数：8");

  Child<TMapleGrid>(screen, "grdBatch").SelectRows(2, 4);
  prompts.Answer(QMessageBox::No);
  screen.btnDeleteClick();
  EXPECT_EQ(screen.Batch().Count(), 8);
  prompts.Answer(QMessageBox::Yes);
  screen.btnDeleteClick();
  ExpectLastMessage(QMessageBox::Question, "系统提示", "是否确定删除选定的单据?");
  EXPECT_EQ(Column(Child<TMapleGrid>(screen, "grdBatch"), 6),
            QStringList({"1.00", "2.00", "6.00", "7.00", "8.00"}));
  EXPECT_EQ(Column(Child<TMapleGrid>(panel, "grdFail"), 0), QStringList({"002", "004"}));

  prompts.Answer(QMessageBox::Cancel);
  screen.btnClearClick();
  EXPECT_EQ(screen.Batch().Count(), 5);
  EXPECT_FALSE(QFile::exists(WorkingCopy()));
  prompts.Answer(QMessageBox::Ok);
  screen.btnClearClick();
  ExpectLastMessage(QMessageBox::Question, "批量制单", "确定要清空所有记录吗?");
  EXPECT_TRUE(screen.Batch().IsEmpty());
  EXPECT_TRUE(panel.Fails().isEmpty());
  EXPECT_FALSE(panel.IsOpen());
  EXPECT_EQ(app.Read("param/PayInfo.tmp"), BatchFileBytes(TBatch()));
}

TEST_F(BatchScreenTest, theWorkingCopyIsReadWhenShownAndWrittenWhenClosed) {
  StoreWorkingCopy(3);
  const QByteArray stored = app.Read("param/PayInfo.tmp");
  {
    // Never shown: the main window's close leaves the stored batch alone.
    TFormBatch screen(Context());
    screen.BeforeProgramExit();
    EXPECT_EQ(app.Read("param/PayInfo.tmp"), stored);
  }
  TFormBatch screen(Context());
  screen.show();
  EXPECT_EQ(screen.Batch().Count(), 3);
  screen.Batch().Remove(0);
  // Hidden and shown again with the main window: the edit stays.
  screen.hide();
  screen.show();
  EXPECT_EQ(screen.Batch().Count(), 2);
  screen.close();
  EXPECT_EQ(app.Read("param/PayInfo.tmp"), BatchFileBytes(screen.Batch()));

  StoreWorkingCopy(5);  // changed meanwhile: read again on the next show
  screen.show();
  EXPECT_EQ(screen.Batch().Count(), 5);
  screen.Batch().Clear();
  screen.BeforeProgramExit();
  EXPECT_EQ(app.Read("param/PayInfo.tmp"), BatchFileBytes(TBatch()));

  // Escape closes the screen, which saves.
  screen.Batch().Append(BatchDoc("3100012345001", "6217", 1));
  QApplication::setActiveWindow(&screen);
  Child<TMapleGrid>(screen, "grdBatch").setFocus();
  QTest::keyClick(&Child<TMapleGrid>(screen, "grdBatch"), Qt::Key_Escape);
  EXPECT_FALSE(screen.isVisible());
  EXPECT_EQ(app.Read("param/PayInfo.tmp"), BatchFileBytes(screen.Batch()));
}

TEST_F(BatchScreenTest, enterOpensTheCurrentDocumentOnceTheKeyIsUp) {
  StoreWorkingCopy(2);
  TFormBatch screen(Context());
  screen.show();
  TMapleGrid& grid = Child<TMapleGrid>(screen, "grdBatch");
  grid.SetCurrentCell(1, 1);

  // A release left over from Enter that closed a message opens nothing.
  QTest::keyRelease(&grid, Qt::Key_Return);
  // The press alone opens nothing, so the entry screen never sees the key.
  QTest::keyPress(&grid, Qt::Key_Return);
  EXPECT_TRUE(prompts.ModalRuns().empty());

  prompts.AnswerModal([](QDialog& dialog) {
    EXPECT_EQ(Child<QLineEdit>(dialog, "edtRcvAccNo").text(), "6217000000000001");
    EXPECT_TRUE(Child<QWidget>(dialog, "lstDrop").isHidden());
    return int(QDialog::Rejected);
  });
  QTest::keyRelease(&grid, Qt::Key_Return);
  ASSERT_EQ(prompts.ModalRuns().size(), 1u);
  EXPECT_EQ(prompts.ModalRuns()[0].WindowTitle, "付款单据");
  QTest::keyRelease(&grid, Qt::Key_Return);  // one keystroke, one opening
  EXPECT_EQ(prompts.ModalRuns().size(), 1u);
}
