#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "BookFixture.h"
#include "registers/screens/FormDefPayee.h"
#include "registers/screens/FormNotUpdated.h"
#include "registers/screens/fmpaylocalBook.h"
#include "support/Children.h"

namespace {

// Notes which grid row is current whenever the import's question comes.
class RowProbe : public TScriptedPrompts {
 public:
  const TMapleGrid* Grid = nullptr;
  QList<int> Rows;
  Button Message(Icon icon, const QString& caption, const QString& text, Buttons buttons,
                 Button defaultButton) override {
    if (text == "记录已经存在是否更新？") Rows << Grid->Row();
    return TScriptedPrompts::Message(icon, caption, text, buttons, defaultButton);
  }
};

class PaylocalBookTest : public BookFixture {
 protected:
  QString LocalFile() { return app.File("param/PayeeLocal.xml"); }
  TOwningList<TPayeeInfo> Saved() {
    return ReadList<TPayeeInfo>(info_configs::LocalPayees(), LocalFile());
  }
};

TEST_F(PaylocalBookTest, importAsksAboutOwnBankEntriesAndLeavesOutPayeeRegisterAccounts) {
  WriteList(info_configs::Payees(), app.File("param/Payee.xml"), {Payee("R1", "1")});
  WriteList(info_configs::LocalPayees(), LocalFile(),
            {Payee("O1", "0", "旧"), Payee("L1", "1", "旧"), Payee("L2", "1", "旧")});
  WriteList(info_configs::LocalPayees(), app.File("in/local.txt"),
            {Payee("R1", "1", "新"), Payee("L1", "1", "新"), Payee("L2", "1", "新"),
             Payee("O1", "0", "新"), Payee("N1", "0", "新")});
  RowProbe probe;
  TfmpaylocalBook book(TRegisterContext{{probe, {}}, Data(), startSpreadsheet});
  probe.Grid = &Child<TMapleGrid>(book, "grdList");
  QStringList notUpdated;
  probe.AnswerFile(app.File("in/local.txt"));
  probe.Answer(QMessageBox::Yes);  // L1: the file's entry
  probe.Answer(QMessageBox::No);   // L2: the registered one, after the imported ones
  probe.AnswerModal([&notUpdated](QDialog& dialog) {
    notUpdated = Cells(Child<TMapleGrid>(dialog, "grdList"), 1);
    return int(QDialog::Accepted);
  });
  book.btnImportClick();

  ASSERT_EQ(probe.Messages().size(), 3u);
  EXPECT_EQ(probe.Messages()[0].Buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(probe.Messages()[0].Caption, "系统提示");
  EXPECT_EQ(probe.Rows, QList<int>({1, 2}));
  EXPECT_EQ(probe.Messages()[2].Text, "导入文件已成功！");
  EXPECT_EQ(probe.ModalRuns()[0].WindowTitle, "下列收款人信息在收款名册中已经存在，此次未更新");
  EXPECT_EQ(notUpdated, QStringList({"R1"}));
  EXPECT_EQ(Entries(Saved()), QStringList({"L1/新", "O1/新", "N1/新", "O1/旧", "L2/旧"}));

  const Snapshot before = Freeze(LocalFile());
  probe.AnswerFile(app.File("param/Payee.xml"));  // another register's root
  book.btnImportClick();
  EXPECT_EQ(probe.LastMessage().Text, "该文件中没有找到本地收款账户信息!");
  EXPECT_EQ(Take(LocalFile()), before);
}

TEST_F(PaylocalBookTest, addEditAndDeleteSaveTheFile) {
  TfmpaylocalBook book(Context());
  EXPECT_TRUE(book.findChild<QPushButton*>("btnAdd")->isEnabled());
  EXPECT_FALSE(book.findChild<QPushButton*>("btnEdit")->isEnabled());
  prompts.AnswerModal([](QDialog& dialog) {
    dialog.findChild<QLineEdit*>("edtAccNo")->setText("6222000011112222");
    dialog.findChild<QLineEdit*>("edtAccName")->setText("新收款人");
    dialog.findChild<QRadioButton*>("rbOtherBank")->click();
    dialog.findChild<QRadioButton*>("rbManual")->click();
    dialog.findChild<QComboBox*>("cmbUBank")->setCurrentText("某银行某支行");
    static_cast<TFormDefPayee&>(dialog).btnOkClick();
    return dialog.result();
  });
  book.btnAddClick();
  ASSERT_EQ(Saved().Count(), 1);
  EXPECT_EQ(Saved()[0].CounterName, "某银行某支行");
  EXPECT_TRUE(book.findChild<QPushButton*>("btnEdit")->isEnabled());

  const Snapshot before = Freeze(LocalFile());
  prompts.AnswerModal(int(QDialog::Rejected));
  book.btnAddClick();
  EXPECT_EQ(Take(LocalFile()), before);

  prompts.AnswerModal([](QDialog& dialog) {
    dialog.findChild<QLineEdit*>("edtAccName")->setText("改过的名字");
    static_cast<TFormDefPayee&>(dialog).btnOkClick();
    return dialog.result();
  });
  book.btnEditClick();
  EXPECT_EQ(Saved()[0].RcvAccName, "改过的名字");

  prompts.Answer(QMessageBox::Ok);
  book.btnDeleteClick();
  EXPECT_EQ(prompts.LastMessage().Text, "是否要删除所选择的本地收款账户?");
  EXPECT_EQ(Saved().Count(), 0);
}

TEST_F(PaylocalBookTest, exportWritesARegisterFileOrAWorkbookByTheName) {
  Data().LocalPayees.Append(std::make_unique<TPayeeInfo>(Payee("L1", "1")));
  Data().LocalPayees.Append(std::make_unique<TPayeeInfo>(Payee("O1", "0")));
  TfmpaylocalBook book(Context());
  prompts.AnswerFile(app.File("out/local.txt"));
  book.btnExportClick();
  EXPECT_EQ(prompts.FileDialogs().back().Filter, "*.txt;;*.xls *.xlsx;;所有文件 (*.*)");
  Data().SaveList(Data().LocalPayees, info_configs::LocalPayees());
  EXPECT_EQ(app.Read("out/local.txt"), app.Read("param/PayeeLocal.xml"));

  prompts.AnswerFile(app.File("out/local.xlsx"));
  book.btnExportClick();
  const QJsonArray rows = ReadFirstWorksheet(app.File("out/local.xlsx"));
  ASSERT_EQ(rows.size(), 2);
  EXPECT_EQ(rows[1].toArray()[0].toString(), "\tO1 ");
  EXPECT_EQ(rows[1].toArray().size(), 18);

  prompts.AnswerFile(app.File("out/local.txt/inside"));  // cannot be written
  book.btnExportClick();
  EXPECT_EQ(prompts.LastMessage().Icon, QMessageBox::Critical);
  EXPECT_EQ(prompts.LastMessage().Caption, "系统提示");
  EXPECT_EQ(prompts.StatusTexts(), QStringList({"已导出 2 条记录", "已导出 2 条记录"}));
}

}  // namespace
