#include <QLineEdit>

#include "BookFixture.h"
#include "registers/screens/FormDefPayee.h"
#include "registers/screens/FormNotUpdated.h"
#include "registers/screens/fmPayeeBook.h"
#include "support/Children.h"
#include "support/SystemPython.h"

namespace {

class PayeeBookTest : public BookFixture {
 protected:
  QString PayeeFile() { return app.File("param/Payee.xml"); }
  TOwningList<TPayeeInfo> Saved() {
    return ReadList<TPayeeInfo>(info_configs::Payees(), PayeeFile());
  }
  QStringList SavedAccounts() {
    QStringList accounts;
    for (const TPayeeInfo& payee : Saved()) accounts << payee.RcvAccNo;
    return accounts;
  }
};

TEST_F(PayeeBookTest, importReplacesOtherBankEntriesWithoutInterbankNumberAndSkipsRepeats) {
  WriteList(info_configs::Payees(), PayeeFile(),
            {Payee("P1", "1", "旧"), Payee("P2", "0", "旧"), Payee("P3", "0", "旧", "321331000016"),
             Payee("P9", "1", "旧")});
  WriteList(
      info_configs::Payees(), app.File("in/payees.txt"),
      {Payee("P1", "1", "新"), Payee("P2", "0", "新"), Payee("P3", "0", "新"),
       Payee("P4", "1", "新"), Payee("P4", "1", "重复"), Payee("P4", "1", "新", "", "另一人")});
  TfmPayeeBook book(Context());
  QStringList notUpdated;
  prompts.AnswerFile(app.File("in/payees.txt"));
  prompts.AnswerModal([&notUpdated](QDialog& dialog) {
    notUpdated = Cells(Child<TMapleGrid>(dialog, "grdList"), 1);
    return int(QDialog::Accepted);
  });
  book.btnImportClick();

  ExpectMessage(QMessageBox::Information, "系统提示", "导入文件已成功！");
  EXPECT_EQ(prompts.ModalRuns()[0].WindowTitle, "下列收款人信息在收款名册中已经存在，此次未更新");
  EXPECT_EQ(notUpdated, QStringList({"P1", "P3"}));
  EXPECT_EQ(Entries(Saved()), QStringList({"P2/新", "P4/新", "P4/新", "P1/旧", "P3/旧"}));
  EXPECT_EQ(Cells(Child<TMapleGrid>(book, "grdList"), 6),
            QStringList({"他行", "维行", "维行", "维行", "他行"}));

  // A file without payees changes nothing.
  const Snapshot before = Freeze(PayeeFile());
  app.Write("in/other.txt", "not a register");
  prompts.AnswerFile(app.File("in/other.txt"));
  book.btnImportClick();
  ExpectMessage(QMessageBox::Information, "请检查", "该文件中没有找到收款账户信息!");
  EXPECT_EQ(Take(PayeeFile()), before);
}

TEST_F(PayeeBookTest, workbookImportRefusesAnAccountNumberThatLostDigits) {
  // The same payees with the account column as numbers and as text, as
  // openpyxl and xlwt write them.
  RunSystemPython(QStringLiteral(R"py(
import sys, openpyxl, xlwt
rows = [(6222021234567, "甲"), (622202123456789012, "乙"), (123456789012345, "丙")]
for kind in ("number", "text"):
    account = (lambda a: a) if kind == "number" else str
    wb = openpyxl.Workbook()
    for r, (a, name) in enumerate(rows, 1):
        wb.active.cell(r, 1, account(a)).number_format = "0" if kind == "number" else "@"
        wb.active.cell(r, 2, name)
    wb.save(sys.argv[1] + "/" + kind + ".xlsx")
    book = xlwt.Workbook()
    sheet = book.add_sheet("Sheet1")
    style = xlwt.easyxf(num_format_str="0" if kind == "number" else "@")
    for r, (a, name) in enumerate(rows):
        sheet.write(r, 0, account(a), style)
        sheet.write(r, 1, name)
    book.save(sys.argv[1] + "/" + kind + ".xls")
)py"),
                  {app.File("in")});
  TfmPayeeBook book(Context());
  for (const char* format : {"xlsx", "xls"}) {
    SCOPED_TRACE(format);
    for (const char* kind : {"number", "text"}) {
      Data().Payees.Clear();
      const auto seen = qsizetype(prompts.Messages().size());
      prompts.AnswerFile(app.File(QString("in/%1.%2").arg(kind, format)));
      book.btnImportClick();
      if (QString(kind) == "number") {
        EXPECT_EQ(prompts.MessageTexts().mid(seen),
                  QStringList({"第2行未导入：账号是数字格式，文件中已丢失位数。请把账号列设为"
                               "文本格式，重新输入完整的账号后再导入。",
                               "导入文件已成功！"}));
        EXPECT_EQ(SavedAccounts(), QStringList({"6222021234567", "123456789012345"}));
      } else {
        EXPECT_EQ(prompts.MessageTexts().mid(seen), QStringList({"导入文件已成功！"}));
        EXPECT_EQ(SavedAccounts(),
                  QStringList({"6222021234567", "622202123456789012", "123456789012345"}));
      }
    }
  }
}

TEST_F(PayeeBookTest, aCellThatCannotBeReadIsShownAndLeavesTheRegister) {
  WriteList(info_configs::Payees(), PayeeFile(), {Payee("P1", "1", "旧")});
  const Snapshot before = Freeze(PayeeFile());
  const QString path = app.File("in/formulas.xlsx");
  RunSystemPython(QStringLiteral(R"py(
import sys, openpyxl
wb = openpyxl.Workbook()
wb.active.append(["P5", "新"])
wb.active.append(["P6", "新", "=VLOOKUP(1,A1:A2,1)"])
wb.save(sys.argv[1])
)py"),
                  {path});
  QString cellMessage;
  try {
    TSpreadsheetApp::Start()->OpenWorkbook(path)->Worksheet(1).ReadCell(2, 3);
  } catch (const TSpreadsheetCellError& error) {
    cellMessage = error.Message();
  }
  ASSERT_FALSE(cellMessage.isEmpty());

  TfmPayeeBook book(Context());
  prompts.AnswerFile(path);
  book.btnImportClick();
  ASSERT_EQ(prompts.Messages().size(), 1u);
  EXPECT_EQ(prompts.LastMessage().Icon, QMessageBox::Critical);
  EXPECT_EQ(prompts.LastMessage().Caption, "错误");
  EXPECT_EQ(prompts.LastMessage().Text, cellMessage);
  EXPECT_EQ(Take(PayeeFile()), before);
}

TEST_F(PayeeBookTest, editLocksTheRegisteredPayeeAndSavesOnOk) {
  TPayeeInfo payee = Payee("P1", "0");
  payee.CounterName = "杭州西湖支行";
  WriteList(info_configs::Payees(), PayeeFile(), {payee});
  TfmPayeeBook book(Context());
  const Snapshot before = Freeze(PayeeFile());
  prompts.AnswerModal(int(QDialog::Rejected));
  book.btnEditClick();
  EXPECT_EQ(Take(PayeeFile()), before);

  bool locked = false;
  prompts.AnswerModal([&locked](QDialog& dialog) {
    locked = dialog.findChild<QLineEdit*>("edtAccNo")->isReadOnly();
    static_cast<TFormDefPayee&>(dialog).btnOkClick();
    return dialog.result();
  });
  book.btnEditClick();
  EXPECT_EQ(prompts.ModalRuns()[1].WindowTitle, "定义收款帐户");
  EXPECT_TRUE(locked);
  EXPECT_NE(Take(PayeeFile()).Modified, before.Modified);
  EXPECT_EQ(Saved()[0].CounterName, "杭州西湖支行");
}

}  // namespace
