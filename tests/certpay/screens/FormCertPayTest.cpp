#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "CertPayFixture.h"
#include "certpay/books/CertPayBooks.h"
#include "certpay/screens/FormCertPay.h"
#include "certpay/screens/FormDefCertPay.h"

namespace {

class FormCertPayTest : public CertPayFixture {
 protected:
  static TUserInput Document(const QString& payeeAccNo, const QString& amount = "100") {
    TUserInput doc;
    doc.PayerAccNo = "110001";
    doc.PayerAccName = U("财政局");
    doc.PayerCounterName = U("北京分行");
    doc.PayeeBankFlag = U("1-维行");
    doc.PayeeAccNo = payeeAccNo;
    doc.PayeeAccName = U("收款人") + payeeAccNo;
    doc.PayeeCounterName = U("海淀支行");
    doc.BudgetManage = "BM";
    doc.FuncType = "FT";
    doc.EconomyType = "ET";
    doc.PayoutType = "PT";
    doc.BudgetSource = "BS";
    doc.Usge = U("工资");
    doc.Amt = amount;
    doc.PayeeAccKind = U("对公账号");
    return doc;
  }
  void Store(int count) {
    TOwningList<TUserInput> docs;
    for (int i = 0; i < count; ++i)
      docs.Append(std::make_unique<TUserInput>(Document(QString::number(6000 + i))));
    Data().SaveDocuments(docs);
  }
  // The document dialog filled with the required fields; the amount as given.
  static void Fill(QDialog& dialog, const QString& payeeAccNo, const QString& amount) {
    const TUserInput doc = Document(payeeAccNo, amount);
    SetText(dialog, "edtPayerAccNo", doc.PayerAccNo);
    SetText(dialog, "edtPayeeAccNo", doc.PayeeAccNo);
    SetText(dialog, "edtPayeeAccName", doc.PayeeAccName);
    SetText(dialog, "edtPayeeCounterName", doc.PayeeCounterName);
    for (const char* name :
         {"edtBudgetManage", "edtFuncType", "edtEconomyType", "edtPayoutType", "edtBudgetSource"})
      SetText(dialog, name, "X");
    SetText(dialog, "edtAmt", amount);
    SetText(dialog, "edtUsge", doc.Usge);
  }
  static TFormDefCertPay& Def(QDialog& dialog) { return static_cast<TFormDefCertPay&>(dialog); }
  QStringList NextRunPayees() const {
    QStringList accounts;
    for (const TUserInput& doc : NextRun()->Documents()) accounts << doc.PayeeAccNo;
    return accounts;
  }
};

TEST_F(FormCertPayTest, amountsBelowAFenAreRefusedAndEveryDocumentIsOnDiskAtOnce) {
  TFormCertPay screen(Context());
  EXPECT_FALSE(Child<QPushButton>(screen, "btnEdit").isEnabled());
  prompts.AnswerModal([](QDialog& dialog) {
    for (const char* amount : {"0.00", "0.001", "0.0001"}) {
      Fill(dialog, "6001", amount);
      Def(dialog).btnOkClick();
    }
    EXPECT_EQ(dialog.focusWidget()->objectName(), "edtAmt");
    Fill(dialog, "6001", "0.01");
    Child<QComboBox>(dialog, "cmbPayeeBankFlag").setCurrentIndex(1);
    SetText(dialog, "edtPayeeUBankNo", "321290000027");
    Def(dialog).btnOkClick();
    return dialog.result();
  });
  screen.btnNewClick();
  EXPECT_EQ(prompts.MessageTexts(), QStringList(3, U("请输入正确的交易金额!")));
  // The screen stays open, as after a crash: the next run finds the document.
  std::unique_ptr<TCertPayStore> next = NextRun();
  ASSERT_EQ(next->Documents().Count(), 1);
  EXPECT_EQ(next->Documents()[0].Amt, "0.01");
  EXPECT_EQ(next->Documents()[0].PayeeBankFlag, U("0-他行"));

  prompts.AnswerModal([](QDialog& dialog) {
    Fill(dialog, "6002", "5");
    Child<QComboBox>(dialog, "cmbPayeeBankFlag").setCurrentIndex(1);
    SetText(dialog, "edtPayeeUBankNo", "321290000027");
    Def(dialog).btnContinueClick();
    EXPECT_EQ(Child<QLineEdit>(dialog, "edtPayeeAccNo").text(), QString());
    EXPECT_EQ(Child<QComboBox>(dialog, "cmbPayeeBankFlag").currentText(), U("0-他行"));
    Fill(dialog, "6003", "7.5");
    SetText(dialog, "edtPayeeUBankNo", "1");
    Def(dialog).btnContinueClick();
    return int(QDialog::Rejected);
  });
  screen.btnNewClick();
  EXPECT_EQ(NextRunPayees(), QStringList({"6001", "6002", "6003"}));
  EXPECT_EQ(Child<QLabel>(screen, "lblCount").text(), U("共 3 笔"));
  EXPECT_EQ(Child<QLabel>(screen, "lblSum").text(), U("总金额 12.51 元"));
}

TEST_F(FormCertPayTest, anOtherBankDocumentGoesOutAsCategoryTwoAndComesBackAsTwo) {
  TUserInput doc = Document("6001", "1500.50");
  doc.PayeeBankFlag = U("0-他行");
  doc.PayeeUBankNo = "321290000027";
  doc.PayeeAccKind = U("对私账号");
  doc.ProjectId = "P9";
  TOwningList<TUserInput> docs;
  docs.Append(std::make_unique<TUserInput>(doc));
  Data().SaveDocuments(docs);
  TFormCertPay screen(Context());
  prompts.AnswerFile(app.File("io/pay"));
  screen.btnExportClick();
  ExpectLastMessage(QMessageBox::Information, U("提示"), U("导出完成！"));
  EXPECT_EQ(codec::FromGbk(app.Read("io/pay.txt")),
            U("001|110001|财政局|2|6001|收款人6001|北京分行|海淀支行|321290000027|"
              "BM|FT|ET|PT|BS|||工资||1500.50|P|P9\r\n"));

  for (const char* name : {"io/pay.xls", "io/pay.xlsx"}) {
    prompts.AnswerFile(app.File(name));
    screen.btnExportExcelClick();
    const QJsonArray rows = ReadFirstWorksheet(app.File(name));
    ASSERT_EQ(rows.size(), 1) << name;
    EXPECT_EQ(Row(rows, 0).join('|'), codec::FromGbk(app.Read("io/pay.txt")).trimmed());
  }

  prompts.Answer(QMessageBox::Ok);
  screen.btnClearClick();
  EXPECT_EQ(prompts.Messages().back().Text, U("真的要清空所有单子吗?"));
  EXPECT_EQ(prompts.Messages().back().Caption, U("中央财政批量支付文件制作"));
  EXPECT_TRUE(NextRun()->Documents().IsEmpty());
  prompts.AnswerFile(app.File("io/pay.txt"));
  screen.btnImportClick();
  ExpectLastMessage(QMessageBox::Information, U("提示"), U("导入完成！"));
  ASSERT_EQ(screen.Documents().Count(), 1);
  EXPECT_EQ(screen.Documents()[0].PayeeBankFlag, U("2-他行"));
  EXPECT_EQ(Cells(Child<TMapleGrid>(screen, "grdCertPay"), 8), QStringList({U("2-他行")}));
  EXPECT_EQ(NextRun()->Documents()[0].PayeeBankFlag, U("2-他行"));
}

TEST_F(FormCertPayTest, importsStopAtTwoHundredDocuments) {
  Store(199);
  QString lines;
  for (int i = 1; i <= 5; ++i)
    lines += PaymentLine(Document(QString::number(7000 + i)), i) + "\r\n";
  WriteGbk("io/five.txt", lines);
  TFormCertPay screen(Context());
  prompts.AnswerFile(app.File("io/five.txt"));
  screen.btnImportClick();
  ExpectLastMessage(QMessageBox::Information, U("中央财政批量支付文件制作"),
                    U("已经到了200条,导入中止!"));
  EXPECT_EQ(prompts.Messages().size(), 1u);
  EXPECT_EQ(screen.Documents().Count(), 200);
  EXPECT_EQ(screen.Documents()[199].PayeeAccNo, "7001");
  EXPECT_FALSE(Child<QPushButton>(screen, "btnImport").isEnabled());
  EXPECT_EQ(NextRun()->Documents().Count(), 200);
}

TEST_F(FormCertPayTest, aWorkbookImportEndsAfterFiftyEmptyRowsAndRefusesBadRows) {
  const auto pieces = [](const char* accNo) { return PaymentPieces(Document(accNo), 1); };
  std::vector<QStringList> rows = {pieces("6001")};
  rows.resize(1 + 49);
  rows.push_back(pieces("6002"));
  QStringList bad = pieces("6003");
  bad[18] = "0.001";
  rows.push_back(bad);
  rows.resize(rows.size() + 51);
  rows.push_back(pieces("6004"));
  TWorkbookData book;
  book.Sheets.emplace_back("Sheet1", rows);
  WriteWorkbookFile(book, app.File("io/rows.xlsx"));

  TFormCertPay screen(Context());
  prompts.AnswerFile(app.File("io/rows.xlsx"));
  prompts.Answer(QMessageBox::Ok);
  screen.btnImportClick();
  EXPECT_EQ(prompts.MessageTexts(), QStringList({U("导入第52行失败,继续吗?"), U("导入完成！")}));
  EXPECT_EQ(NextRunPayees(), QStringList({"6001", "6002"}));
}

TEST_F(FormCertPayTest, deletingAndSavingPayeesWorkOnTheSelectedRows) {
  Store(4);
  {
    TFormCertPay screen(Context());
    auto& grid = Child<TMapleGrid>(screen, "grdCertPay");
    grid.SelectRows(1, 2);
    prompts.Answer(QMessageBox::Yes);
    screen.btnDeleteClick();
    EXPECT_EQ(prompts.LastMessage().Text, U("是否确定删除选定的单据?"));
    EXPECT_EQ(prompts.LastMessage().Buttons, QMessageBox::Yes | QMessageBox::No);
  }
  EXPECT_EQ(NextRunPayees(), QStringList({"6000", "6003"}));

  TOwningList<TUserInput> same;
  for (const char* kind : {"对私账号", "对私账号"}) {
    TUserInput doc = Document("6222");
    doc.PayeeBankFlag = U("2-他行");
    doc.PayeeAccKind = U(kind);
    same.Append(std::make_unique<TUserInput>(doc));
  }
  data = NextRun();
  Data().SaveDocuments(same);
  TFormCertPay screen(Context());
  Child<TMapleGrid>(screen, "grdCertPay").SelectRows(0, 1);
  screen.btnSavePayeeClick();
  ExpectLastMessage(QMessageBox::Information, U("提示"), U("保存收款人信息成功！"));
  const std::unique_ptr<TCertPayStore> next = NextRun();
  ASSERT_EQ(next->CertPayees.Count(), 1);
  EXPECT_EQ(next->CertPayees[0].IsNVX, "2");
  EXPECT_EQ(next->CertPayees[0].IsPsnAcc, "P");
}

TEST_F(FormCertPayTest, payeeFieldsOfferTheRegisteredValuesAsTheClerkTypes) {
  for (const char* counter : {"海淀支行", "朝阳支行", "海淀支行"}) {
    TCertPayee& payee = Data().CertPayees.Append(std::make_unique<TCertPayee>());
    payee.AccNo = "6222";
    payee.CounterName = U(counter);
  }
  TFormDefCertPay dialog(Context());
  TUserInput doc;
  dialog.ShowDocument(doc);
  auto& counter = Child<QLineEdit>(dialog, "edtPayeeCounterName");
  auto& list = Child<QListWidget>(dialog, "lstDrop");
  QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, U("海"));
  QApplication::sendEvent(&counter, &typed);
  ASSERT_EQ(list.count(), 1);
  EXPECT_FALSE(list.isHidden());
  QTest::keyClick(&counter, Qt::Key_Backspace);
  EXPECT_EQ(list.count(), 2);
  QTest::keyClicks(&counter, "x");
  EXPECT_TRUE(list.isHidden());
  QTest::keyClick(&counter, Qt::Key_Backspace);
  dialog.DropDownClicked(1);
  EXPECT_EQ(counter.text(), U("朝阳支行"));
  EXPECT_EQ(Child<QLineEdit>(dialog, "edtPayeeAccNo").text(), QString());
  EXPECT_TRUE(list.isHidden());
}

}  // namespace
