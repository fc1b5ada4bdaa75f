#include <QComboBox>
#include <QTest>

#include "BookFixture.h"
#include "registers/books/RegisterWorkbook.h"
#include "registers/screens/FormDefPayer.h"
#include "registers/screens/FormNotUpdated.h"
#include "registers/screens/fmPayerBook.h"
#include "support/Children.h"

namespace {

class PayerBookTest : public BookFixture {
 protected:
  QString PayerFile() { return app.File("param/Payer.xml"); }
  TOwningList<TPayerInfo> Saved() {
    return ReadList<TPayerInfo>(info_configs::Payers(), PayerFile());
  }
  void RegisterABC() {
    WriteList(info_configs::Payers(), PayerFile(),
              {Payer("A", "甲组"), Payer("B", "乙组"), Payer("C", "丙组")});
  }
};

TEST_F(PayerBookTest, anEmptyRegisterOffersOnlyImportAndHasNothingToExport) {
  TfmPayerBook book(Context());
  book.show();
  QStringList enabled;
  for (const QPushButton* button : book.findChildren<QPushButton*>())
    if (button->isEnabled()) enabled << button->text();
  EXPECT_EQ(enabled, QStringList({"导入"}));

  prompts.AnswerFile(app.File("out/none.xls"));
  book.btnExportClick();
  EXPECT_EQ(prompts.FileDialogs().back().Filter, "*.xls *.xlsx;;所有文件 (*.*)");
  ExpectMessage(QMessageBox::Warning, "系统提示", "当前没有数据可以导出,请先更新数据!");
  EXPECT_FALSE(QFile::exists(app.File("out/none.xls")));

  // A register filled elsewhere shows when the screen is shown again.
  Data().Payers.Append(std::make_unique<TPayerInfo>(Payer("A")));
  book.hide();
  book.show();
  EXPECT_EQ(Cells(Child<TMapleGrid>(book, "grdList"), 0), QStringList({"1"}));
  EXPECT_TRUE(book.findChild<QPushButton*>("btnClear")->isEnabled());
}

TEST_F(PayerBookTest, importKeepsRegisteredDataAndListsTheAccountsNotUpdated) {
  RegisterABC();
  WriteList(info_configs::Payers(), app.File("in/payers.xml"),
            {Payer("B", "新组"), Payer("D", "新组")});
  TfmPayerBook book(Context());
  QStringList notUpdated;
  prompts.AnswerFile(app.File("in/payers.xml"));
  prompts.AnswerModal([&notUpdated](QDialog& dialog) {
    notUpdated = Cells(Child<TMapleGrid>(dialog, "grdList"), 4);
    return int(QDialog::Accepted);
  });
  book.btnImportClick();

  EXPECT_EQ(prompts.FileDialogs()[0].Filter, "*.txt;;*.xls *.xlsx;;所有文件 (*.*)");
  ExpectMessage(QMessageBox::Information, "系统提示", "导入文件已成功！");
  ASSERT_EQ(prompts.ModalRuns().size(), 1u);
  EXPECT_EQ(prompts.ModalRuns()[0].WindowTitle, "下列付款人信息在付款名册中已经存在，此次未更新");
  EXPECT_EQ(notUpdated, QStringList({"乙组"}));
  EXPECT_EQ(Entries(Saved()), QStringList({"D/新组", "B/乙组"}));
  EXPECT_EQ(Cells(Child<TMapleGrid>(book, "grdList"), 1), QStringList({"D", "B"}));
}

TEST_F(PayerBookTest, anImportThatReadsNothingOrFailsChangesNothing) {
  RegisterABC();
  TfmPayerBook book(Context());
  const Snapshot before = Freeze(PayerFile());

  prompts.AnswerFile("");  // cancelled
  book.btnImportClick();
  WriteList<TPayerInfo>(info_configs::Payers(), app.File("in/empty.xml"), {});
  app.Write("in/broken.txt", "<AccountList><PayerList");
  for (const char* name : {"in/empty.xml", "in/broken.txt"}) {
    prompts.AnswerFile(app.File(name));
    book.btnImportClick();
    ExpectMessage(QMessageBox::Information, "请检查", "该文件中没有找到付款账户信息!");
  }
  // A workbook cut off part-way.
  TOwningList<TPayerInfo> rows;
  for (int i = 0; i < 300; ++i) rows.Append(std::make_unique<TPayerInfo>(Payer("X")));
  ExportPayersWorkbook(rows, app.File("in/payers.xls"), startSpreadsheet);
  QFile::resize(app.File("in/payers.xls"), QFileInfo(app.File("in/payers.xls")).size() / 2);
  prompts.AnswerFile(app.File("in/payers.xls"));
  book.btnImportClick();
  ExpectMessage(QMessageBox::Warning, "系统提示", "连接到EXCEL文件失败!");

  EXPECT_EQ(prompts.Messages().size(), 3u);
  EXPECT_TRUE(prompts.ModalRuns().empty());
  EXPECT_EQ(Take(PayerFile()), before);
  EXPECT_EQ(Entries(Data().Payers), QStringList({"A/甲组", "B/乙组", "C/丙组"}));
}

TEST_F(PayerBookTest, deleteAndClearAskFirstAndSaveOnlyOnOk) {
  RegisterABC();
  TfmPayerBook book(Context());
  const Snapshot before = Freeze(PayerFile());
  Child<TMapleGrid>(book, "grdList").SelectRows(0, 1);
  prompts.Answer(QMessageBox::Cancel);
  book.btnDeleteClick();
  EXPECT_EQ(prompts.LastMessage().Buttons, QMessageBox::Ok | QMessageBox::Cancel);
  ExpectMessage(QMessageBox::Question, "系统提示", "是否要删除所选择的付款账户?");
  EXPECT_EQ(Take(PayerFile()), before);

  prompts.Answer(QMessageBox::Ok);
  book.btnDeleteClick();
  EXPECT_EQ(Entries(Saved()), QStringList({"C/丙组"}));

  prompts.Answer(QMessageBox::Ok);
  book.btnClearClick();
  EXPECT_EQ(prompts.LastMessage().Text, "是否要清空所有付款账户？");
  EXPECT_TRUE(QFile::exists(PayerFile()));
  EXPECT_EQ(Saved().Count(), 0);
  EXPECT_FALSE(book.findChild<QPushButton*>("btnDelete")->isEnabled());
}

TEST_F(PayerBookTest, editSavesOnlyAChangeAndDoubleClickEdits) {
  RegisterABC();
  TfmPayerBook book(Context());
  book.resize(900, 400);
  book.show();
  const Snapshot before = Freeze(PayerFile());
  const auto setAlias = [](const char* alias) {
    return [alias](QDialog& dialog) {
      if (alias) dialog.findChild<QComboBox*>("cmbAlias")->setCurrentText(alias);
      static_cast<TFormDefPayer&>(dialog).btnOkClick();
      return dialog.result();
    };
  };
  Child<TMapleGrid>(book, "grdList").SetCurrentCell(1, 1);
  prompts.AnswerModal(setAlias(nullptr));  // "确定" without a change
  book.btnEditClick();
  EXPECT_EQ(prompts.ModalRuns()[0].WindowTitle, "付款账户");
  EXPECT_EQ(Take(PayerFile()), before);

  prompts.AnswerModal(setAlias("乙户"));
  const QPoint cell = Child<TMapleGrid>(book, "grdList")
                          .visualRect(Child<TMapleGrid>(book, "grdList").model()->index(1, 2))
                          .center();
  // QTest's double click sends the second press only: click first.
  QTest::mouseClick(Child<TMapleGrid>(book, "grdList").viewport(), Qt::LeftButton, {}, cell);
  QTest::mouseDClick(Child<TMapleGrid>(book, "grdList").viewport(), Qt::LeftButton, {}, cell);
  ASSERT_EQ(prompts.ModalRuns().size(), 2u);
  EXPECT_EQ(Saved()[1].AccAlias, "乙户");
  EXPECT_EQ(Child<TMapleGrid>(book, "grdList").CellText(5, 1), "乙户");
}

TEST_F(PayerBookTest, exportsWorkbooksThatOtherReadersRead) {
  Data().Payers.Append(std::make_unique<TPayerInfo>(Payer("3100012345001", "总部")));
  Data().Payers.Append(std::make_unique<TPayerInfo>(Payer("3100012345002")));
  Data().Payers[1].RightType = "1";
  TfmPayerBook book(Context());
  for (const char* name : {"out/payers.xls", "out/payers.xlsx"}) {
    prompts.AnswerFile(app.File(name));
    book.btnExportClick();
    const QJsonArray rows = ReadFirstWorksheet(app.File(name));
    ASSERT_EQ(rows.size(), 2) << name;
    EXPECT_EQ(rows[0].toArray(), QJsonArray({"\t3100012345001 ", "\t公司3100012345001 ", "\t ",
                                             "\t总部 ", "\t ", "\t0 "}));
    EXPECT_EQ(rows[1].toArray()[5].toString(), "\t1 ");
  }
  prompts.AnswerFile(app.File("no/such/dir/payers.xls"));
  book.btnExportClick();
  ExpectMessage(QMessageBox::Warning, "系统提示", "连接到EXCEL文件失败!");
}

}  // namespace
