#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "agentpay/records/PayTemplate.h"
#include "agentpay/screens/PayGrid.h"
#include "agentpay/screens/fmPayFile.h"
#include "platform/codec/Gbk.h"
#include "platform/files/AtomicFile.h"
#include "platform/prompts/ScriptedPrompts.h"
#include "platform/spreadsheet/Spreadsheet.h"
#include "support/Children.h"
#include "support/FakeSession.h"

namespace {

class PayFileTest : public testing::Test {
 protected:
  PayFileTest() {
    salary.Money = 3;
    salary.Columns = {{"户名", 1}, {"账号", 2}, {"金额", 3}, {"备注", 4}};
  }

  // Saves the template and makes it the active one.
  void UseTemplate(const TPayTemplate& payTemplate) {
    const QString path = File("工资模板.xml");
    WriteFileAtomically(path, TemplateFileBytes(payTemplate));
    WriteActiveTemplatePath(dir.path(), path);
  }
  void Show() {
    screen.show();
    screen.LoadActiveTemplate();
  }
  void Click(const char* button) { Child<QPushButton>(screen, button).click(); }
  bool Enabled(const char* button) { return Child<QPushButton>(screen, button).isEnabled(); }
  QString File(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
  void Type(int row, int column, const QString& text) {
    QAbstractItemModel* model = Child<TPayGrid>(screen, "sgtemp").model();
    model->setData(model->index(row, column), text);
  }
  QString Totals() {
    return Child<QLabel>(screen, "lblSum").text() + " " + Child<QLabel>(screen, "lblCount").text();
  }
  QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  // The next row-range dialog gets the field's text and is confirmed.
  void ConfirmRange(const char* field, const char* text) {
    prompts.AnswerModal([field, text](QDialog& dialog) {
      Child<QLineEdit>(dialog, field).setText(QString::fromUtf8(text));
      Child<QPushButton>(dialog, "btnOk").click();
      return dialog.result();
    });
  }

  QTemporaryDir dir;
  TScriptedPrompts prompts;
  TPayTemplate salary;
  TFakeSession session;
  TfmPayFile screen{TPayFileContext{TScreenServices{prompts, {}}, session, dir.path(), dir.path()}};
};

TEST_F(PayFileTest, recordsAreTypedCheckedAndSavedIntoRecordLines) {
  WriteActiveTemplatePath(dir.path(), File("gone.xml"));
  Show();
  EXPECT_TRUE(prompts.Messages().empty());
  Click("btnNew");
  EXPECT_EQ(prompts.LastMessage().Text, "请先打开模板");

  UseTemplate(salary);
  Show();
  EXPECT_EQ(screen.windowTitle(), "浏览转化外部文件");
  EXPECT_FALSE(Enabled("btnModify"));
  Click("btnNew");
  EXPECT_TRUE(screen.IsEditing());
  for (const char* command : {"btnNew", "btnModify", "btnDelete", "btnExport", "btnImportText"})
    EXPECT_FALSE(Enabled(command)) << command;
  EXPECT_TRUE(Enabled("btnSave") && Enabled("btnFind") && Enabled("btnFindNext"));

  // A template without an interbank column has no picker.
  auto& grid = Child<TPayGrid>(screen, "sgtemp");
  for (int column = 3; column >= 0; --column) grid.setCurrentIndex(grid.model()->index(0, column));
  EXPECT_TRUE(prompts.ModalRuns().empty());
  Type(0, 0, "张三");
  Type(0, 1, "6222001");
  Type(0, 3, "工资");
  for (const auto& [amount, message] :
       {std::pair<QString, QString>{"12.345", "金额不能超过两位小数！"},
        {"12.3 ", "金额不能超过两位小数！"},
        {"-5", "金额不能为负数！"},
        {"0.00", "金额不能为零！"},
        {"1e5", "金额列是金额列,请输入正确的数值"},
        {"abc", "金额列是金额列,请输入正确的数值"}}) {
    Type(0, 2, amount);
    Click("btnSave");
    EXPECT_EQ(prompts.LastMessage().Text, message) << amount.toStdString();
    EXPECT_TRUE(screen.IsEditing());
  }
  Type(0, 2, "12.30");
  Click("btnSave");
  EXPECT_FALSE(screen.IsEditing());
  Click("btnNew");
  Type(1, 0, "李四");
  Type(1, 2, "12");
  Type(1, 3, "奖金|补贴");
  Click("btnSave");
  EXPECT_EQ(prompts.LastMessage().Text,
            "第2行“备注”列的内容含有分隔符“|”，保存后记录会错位。请修改后再保存。");
  EXPECT_EQ(Child<TPayGrid>(screen, "sgtemp").currentIndex().column(), 3);
  Type(1, 3, "");
  Click("btnSave");
  EXPECT_EQ(screen.Records().Lines(), QStringList({"张三|6222001|12.30|工资", "李四| |12| "}));
  EXPECT_EQ(Totals(), "合计金额：￥24.30 总记录：2");

  // Saved records not yet exported: leaving asks; an export that does not
  // happen keeps them, No lets them go.
  prompts.Answer(QMessageBox::Yes);
  prompts.AnswerFile("");
  EXPECT_FALSE(screen.close());
  EXPECT_EQ(screen.Records().Count(), 2);
  prompts.Answer(QMessageBox::No);
  EXPECT_TRUE(screen.close());
  EXPECT_EQ(prompts.LastMessage().Text, "是否导出代发代扣记录文件？否则2条代发代扣记录将丢失！");
  EXPECT_EQ(screen.Records().Count(), 0);
}

TEST_F(PayFileTest, importsAppendOrReplaceAndExportsWriteTheFileAndItsCopy) {
  salary.IfAddEndSign = true;
  UseTemplate(salary);
  Show();
  const QString text = File("外部.txt");
  WriteFileAtomically(text, "a,1,1000,x,\r\nb,2,0.5,y,\r\n");
  for (int round = 0; round < 2; ++round) {
    prompts.AnswerFile(text);
    ConfirmRange("edtSeparator", ",");
    Click("btnImportExcel");
  }
  EXPECT_EQ(screen.Records().Lines().size(), 4);
  EXPECT_EQ(Totals(), "合计金额：￥2,001.00 总记录：4");

  const QString own = File("代发.txt");
  WriteFileAtomically(own, "a|1|1000|\r\nb||abc|y\r\nc|3|0.5|z");
  prompts.AnswerFile(own);
  Click("btnImportText");
  EXPECT_EQ(screen.Records().Rows()[1], QStringList({"b", " ", "abc", "y"}));
  EXPECT_EQ(Totals(), "合计金额：￥1,000.50 总记录：3");

  prompts.AnswerFile(File("pay.txt"));
  EXPECT_TRUE(screen.btnExportClick());
  EXPECT_EQ(Read(File("pay.txt")), "a|1|1000||\r\nb||abc|y|\r\nc|3|0.5|z|");
  // Exported: leaving asks nothing.
  const std::size_t before = prompts.Messages().size();
  EXPECT_TRUE(screen.close());
  EXPECT_EQ(prompts.Messages().size(), before);

  Show();
  prompts.AnswerFile(own);
  Click("btnImportText");
  prompts.AnswerFile(File("pay.xls"));
  EXPECT_TRUE(screen.btnExportClick());
  EXPECT_EQ(ReadWorkbookFile(File("pay.xls")).Sheets.front().Cell(2, 3), "z");
  EXPECT_TRUE(codec::FromGbk(Read(File("pay.xml"))).contains("<户名>c</户名>"));
}

TEST_F(PayFileTest, aWorkbookIsImportedFromTheTemplatesSheetAndRefusedWhole) {
  salary.WorkAround = 2;
  UseTemplate(salary);
  Show();
  TWorkbookData book;
  book.Sheets.resize(2);
  TSheetData& sheet = book.Sheets[1];
  const QList<QStringList> rows = {{"张三", "6222001", "100.5", "工资"},
                                   {"李四", "", "7", "工资"},
                                   {"王五", "6222003", "8", "奖金"}};
  for (int r = 0; r < rows.size(); ++r)
    for (int c = 0; c < 4; ++c) sheet.SetCell(r, c, rows[r][c]);
  const QString path = File("工资.xlsx");
  WriteWorkbookFile(book, path);

  prompts.AnswerFile(path);
  ConfirmRange("edtEnd", "3");
  Click("btnImportExcel");
  EXPECT_EQ(screen.Records().Lines(),
            QStringList({"张三|6222001|100.5|工资", "王五|6222003|8|奖金"}));

  sheet.SetCell(2, 2, "x");
  WriteWorkbookFile(book, path);
  prompts.AnswerFile(path);
  ConfirmRange("edtEnd", "3");
  Click("btnImportExcel");
  EXPECT_EQ(prompts.LastMessage().Text, "第3记录的金额列数据有误！");
  EXPECT_EQ(screen.Records().Lines().size(), 2);
}

TEST_F(PayFileTest, theInterbankColumnOpensThePickerAndFindSelectsTheRow) {
  salary.UbankNo = 4;
  UseTemplate(salary);
  Show();
  WriteFileAtomically(File("代发.txt"), codec::ToGbk(u"张三|1|5|\r\n李四|2|6|\r\n"));
  prompts.AnswerFile(File("代发.txt"));
  Click("btnImportText");
  auto& grid = Child<TPayGrid>(screen, "sgtemp");

  prompts.AnswerModal([](QDialog& dialog) {
    Child<QLineEdit>(dialog, "edtFind").setText("李");
    Child<QComboBox>(dialog, "cmbRange").setCurrentIndex(0);
    Child<QPushButton>(dialog, "btnOk").click();
    return dialog.result();
  });
  Click("btnFind");
  EXPECT_EQ(grid.Row(), 1);

  grid.setCurrentIndex(grid.model()->index(0, 3));
  EXPECT_TRUE(prompts.ModalRuns().back().WindowTitle != "联行号选择");
  Click("btnModify");
  grid.setCurrentIndex(grid.model()->index(1, 3));
  EXPECT_EQ(prompts.ModalRuns().back().WindowTitle, "联行号选择");
}

}  // namespace
