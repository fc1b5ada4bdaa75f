#include <QComboBox>
#include <QPushButton>

#include "CertPayFixture.h"
#include "certpay/records/CertRegisterLine.h"
#include "certpay/screens/FormCertPayAddInfo.h"
#include "certpay/screens/FormCertPayeeBook.h"
#include "certpay/screens/FormCertPayerBook.h"
#include "certpay/screens/FormCreateCertPayee.h"
#include "certpay/screens/FormCreateCertPayer.h"
#include "support/LibreOffice.h"

namespace {

class CertRegisterBookTest : public CertPayFixture {
 protected:
  static TCertPayee Payee(const char* accNo, const char* isNVX, const char* ubankNo = "") {
    TCertPayee payee;
    payee.AccNo = accNo;
    payee.AccName = U("收款人") + accNo;
    payee.CounterName = U("某银行某支行");
    payee.UBankNo = ubankNo;
    payee.IsNVX = isNVX;
    payee.IsPsnAcc = "U";
    return payee;
  }
  // The payee dialog filled with the payee as typed, "确 定" pressed.
  static TScriptedPrompts::ModalScript Typed(const TCertPayee& payee) {
    return [payee](QDialog& dialog) {
      SetText(dialog, "edtAccNo", payee.AccNo);
      SetText(dialog, "edtAccName", payee.AccName);
      SetText(dialog, "edtCounterName", payee.CounterName);
      SetText(dialog, "edtUBankNo", payee.UBankNo);
      Child<QComboBox>(dialog, "cmbIsNVX").setCurrentIndex(payee.IsOwnBank() ? 0 : 1);
      static_cast<TFormCreateCertPayee&>(dialog).btnOkClick();
      return dialog.result();
    };
  }
  QStringList Registered() const {
    const std::unique_ptr<TCertPayStore> next = NextRun();
    QStringList entries;
    for (const TCertPayee& payee : next->CertPayees) entries << CertRegisterLine(payee);
    return entries;
  }
};

TEST_F(CertRegisterBookTest, addRefusesAnOtherBankPayeeWithoutInterbankNumberAndDuplicates) {
  TFormCertPayeeBook book(Context());
  EXPECT_FALSE(Child<QPushButton>(book, "btnExport").isEnabled());
  QString focused;
  prompts.AnswerModal([&](QDialog& dialog) {
    Typed(Payee("6222", "0"))(dialog);
    focused = dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    return Typed(Payee("6222", "1"))(dialog);
  });
  book.btnAddClick();
  ASSERT_EQ(prompts.Messages().size(), 1u);
  EXPECT_EQ(prompts.Messages()[0].Text, U("他行人行联行号不能为空"));
  EXPECT_EQ(prompts.Messages()[0].Caption, U("系统提示"));
  EXPECT_EQ(prompts.Messages()[0].Icon, QMessageBox::Information);
  EXPECT_EQ(focused, "edtUBankNo");
  EXPECT_EQ(Registered(), QStringList({U("6222|收款人6222|某银行某支行||1|U")}));
  EXPECT_TRUE(Child<QPushButton>(book, "btnExport").isEnabled());

  // Only the interbank number differs: the same payee.
  prompts.AnswerModal(Typed(Payee("6222", "0", "321290000027")));
  book.btnAddClick();
  ExpectLastMessage(QMessageBox::Warning, U("系统提示"), U("重复记录不能增加"));
  EXPECT_EQ(Registered().size(), 1);

  prompts.AnswerModal(Typed(Payee("6333", "0", "321290000027")));
  book.btnAddClick();
  EXPECT_EQ(Registered().size(), 2);

  prompts.AnswerModal(int(QDialog::Rejected));
  book.btnEditClick();
  EXPECT_EQ(Registered().size(), 2);
  prompts.Answer(QMessageBox::Ok);
  book.btnDeleteClick();
  ExpectLastMessage(QMessageBox::Question, U("系统提示"), U("是否要删除所选择的收款账户？"));
  EXPECT_EQ(Registered().size(), 1);
}

TEST_F(CertRegisterBookTest, textImportSkipsTheCaptionAsksAboutBadLinesAndAddsOnlyNewEntries) {
  WriteGbk("io/payees.txt", U("收款账号|收款账户名称|收款账号开户行名称|他行人行联行号|"
                              "收款账号是否他行标识|对公对私标志\r\n"
                              "6222|张三|某支行||\r\n"
                              "6333|李四|某支行|321290000027|0|P\r\n"
                              "6222|张三|某支行|1|1|U\r\n"
                              "  6444|王五|某支行||1|U  \r\n"
                              "\r\n"
                              "6555|赵六|某支行||1|U\r\n"));
  TFormCertPayeeBook book(Context());
  for (int run = 0; run < 2; ++run) {
    prompts.AnswerFile(app.File("io/payees.txt"));
    prompts.Answer(QMessageBox::Ok);
    book.btnImportClick();
  }
  ASSERT_EQ(prompts.Messages().size(), 4u);
  for (int i : {0, 2}) {
    EXPECT_EQ(prompts.Messages()[i].Text, U("导入第2行失败,继续吗?"));
    EXPECT_EQ(prompts.Messages()[i].Caption, U("中央财政支付收款人名册"));
    EXPECT_EQ(prompts.Messages()[i].Buttons, QMessageBox::Ok | QMessageBox::Cancel);
  }
  ExpectLastMessage(QMessageBox::Information, U("系统提示"), U("导入完成！"));
  EXPECT_EQ(Registered(), QStringList({U("6333|李四|某支行|321290000027|0|P"),
                                       U("6222|张三|某支行|1|1|U"), U("6444|王五|某支行||1|U")}));
  EXPECT_EQ(Cells(Child<TMapleGrid>(book, "grdList"), 6),
            QStringList({U("对私账号"), U("对公账户"), U("对公账户")}));

  prompts.AnswerFile(app.File("io/payees.txt"));
  prompts.Answer(QMessageBox::Cancel);
  Data().CertPayees.Clear();
  book.btnImportClick();
  EXPECT_TRUE(Registered().isEmpty());
}

TEST_F(CertRegisterBookTest, exportsThatIndependentReadersReadAndALibreOfficeWorkbookImports) {
  Data().CertAddInfos.Append(std::make_unique<TCertAddInfo>(
      TCertAddInfo{"2024", U("201 一般公共服务"), "30101", U("工资福利"), U("财政拨款"), ""}));
  Data().CertAddInfos.Append(std::make_unique<TCertAddInfo>(
      TCertAddInfo{"2024", "205", "30201", U("商品服务"), U("财政拨款"), "P-17"}));
  TFormCertPayAddInfo book(Context());
  prompts.AnswerFile(app.File("io/info.txt"));
  book.btnExportClick();
  EXPECT_EQ(prompts.FileDialogs().back().Filter, "*.txt;;*.xls;;*.xlsx");
  ExpectLastMessage(QMessageBox::Information, U("提示"), U("导出完成！"));
  EXPECT_EQ(codec::FromGbk(app.Read("io/info.txt")),
            U("预算管理|功能分类|经济分类|支出类型|预算来源|关联号\r\n"
              "2024|201 一般公共服务|30101|工资福利|财政拨款|\r\n"
              "2024|205|30201|商品服务|财政拨款|P-17\r\n"));

  for (const char* name : {"io/info.xls", "io/info.xlsx"}) {
    prompts.AnswerFile(app.File(name));
    book.btnExportClick();
    const QJsonArray rows = ReadFirstWorksheet(app.File(name));
    ASSERT_EQ(rows.size(), 3) << name;
    EXPECT_EQ(Row(rows, 0), QStringList({U("预算管理"), U("功能分类"), U("经济分类"), U("支出类型"),
                                         U("预算来源"), U("关联号")}));
    EXPECT_EQ(Row(rows, 2),
              QStringList({"2024", "205", "30201", U("商品服务"), U("财政拨款"), "P-17"}));
  }

  QDir().mkpath(app.File("lo"));
  ConvertWithLibreOffice(app, {app.File("io/info.xlsx")}, "xls", app.File("lo"));
  Data().CertAddInfos.Clear();
  prompts.AnswerFile(app.File("lo/info.xls"));
  book.btnImportClick();
  ExpectLastMessage(QMessageBox::Information, U("系统提示"), U("导入完成！"));
  const std::unique_ptr<TCertPayStore> next = NextRun();
  ASSERT_EQ(next->CertAddInfos.Count(), 2);
  EXPECT_EQ(CertRegisterLine(next->CertAddInfos[0]),
            U("2024|201 一般公共服务|30101|工资福利|财政拨款|"));
  EXPECT_EQ(CertRegisterLine(next->CertAddInfos[1]), U("2024|205|30201|商品服务|财政拨款|P-17"));
}

TEST_F(CertRegisterBookTest, emptyPayerRegisterRefusesTheExportAndDoubleClickAdds) {
  TFormCertPayerBook book(Context());
  EXPECT_TRUE(Child<QPushButton>(book, "btnExport").isEnabled());
  book.btnExportClick();
  ExpectLastMessage(QMessageBox::Warning, U("系统提示"), U("当前没有数据可以导出,请先更新数据!"));
  prompts.AnswerModal([](QDialog& dialog) {
    SetText(dialog, "edtAccNo", "  ");
    static_cast<TFormCreateCertPayer&>(dialog).btnOkClick();
    SetText(dialog, "edtAccNo", "110001");
    SetText(dialog, "edtAccName", U("财政|局"));
    static_cast<TFormCreateCertPayer&>(dialog).btnOkClick();
    return dialog.result();
  });
  book.btnEditClick();  // a double click on the empty list
  EXPECT_EQ(prompts.MessageTexts(),
            QStringList({U("当前没有数据可以导出,请先更新数据!"), U("付款账号不能为空"),
                         U("付款账户名称不能包含字符“|”！")}));
  EXPECT_TRUE(NextRun()->CertPayers.IsEmpty());
}

}  // namespace
