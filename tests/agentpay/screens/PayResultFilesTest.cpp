#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "agentpay/screens/FormSubstPayRetDownLoad.h"
#include "agentpay/screens/fmPayoutcomefile.h"
#include "platform/codec/Gbk.h"
#include "platform/files/AtomicFile.h"
#include "platform/prompts/ScriptedPrompts.h"
#include "platform/spreadsheet/Spreadsheet.h"
#include "support/Children.h"
#include "support/FakeSession.h"
#include "widgets/grid/MapleGrid.h"

namespace {

class PayResultFilesTest : public testing::Test {
 protected:
  QString File(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
  QString Write(const char* name, const QString& text) const {
    WriteFileAtomically(File(name), codec::ToGbk(text));
    return File(name);
  }
  std::vector<QStringList> Cells(const QString& workbook) const {
    return ReadWorkbookFile(workbook).Sheets.at(0).Rows;
  }
  // The separator dialog gets the text and "确 定".
  void ScriptSeparator(const char* separator) {
    prompts.AnswerModal([separator](QDialog& dialog) {
      Child<QLineEdit>(dialog, "edtSeparator").setText(QString::fromUtf8(separator));
      Child<QPushButton>(dialog, "btnOk").click();
      return dialog.result();
    });
  }
  TPayFileContext Context() {
    return {TScreenServices{prompts, {}}, session, dir.path(), dir.path()};
  }

  QTemporaryDir dir;
  TScriptedPrompts prompts;
  TFakeSession session;
};

TEST_F(PayResultFilesTest, aTextResultIsCutIntoTheCellsOfAWorkbookBesideIt) {
  TFormSubstPayRetDownLoad screen(Context());
  prompts.AnswerFile(Write("结果.txt", "a||b\r\n成功|张三|"));
  screen.btnConvertClick();
  EXPECT_EQ(Cells(File("结果.xls")), std::vector<QStringList>({{"a", " ", "b"}, {"成功", "张三"}}));

  // The first line lacks the separator: "确定" sets another one first, and an
  // existing workbook is replaced only on Yes.
  const QString commas = Write("结果2.txt", "a,b\r\nc,d");
  WriteFileAtomically(File("结果2.xls"), "old");
  prompts.AnswerFile(commas);
  prompts.Answer(QMessageBox::Ok);
  ScriptSeparator(",");
  prompts.Answer(QMessageBox::No);
  screen.btnConvertClick();
  EXPECT_EQ(prompts.Messages().at(prompts.Messages().size() - 2).Text,
            MissingSeparatorQuestion("|"));
  EXPECT_EQ(screen.Separator(), ",");
  EXPECT_EQ(ReadWholeFile(File("结果2.xls")), QByteArray("old"));
  prompts.AnswerFile(commas);
  prompts.Answer(QMessageBox::Yes);
  screen.btnConvertClick();
  EXPECT_EQ(Cells(File("结果2.xls")), std::vector<QStringList>({{"a", "b"}, {"c", "d"}}));

  // "取消" keeps the separator; an empty one typed is "|".
  prompts.AnswerFile(Write("结果3.txt", "a|b"));
  prompts.Answer(QMessageBox::Cancel);
  screen.btnConvertClick();
  EXPECT_EQ(Cells(File("结果3.xls")), std::vector<QStringList>({{"a|b"}}));
  ScriptSeparator("");
  screen.btnSeparatorClick();
  EXPECT_EQ(screen.Separator(), "|");

  prompts.AnswerFile(Write("结果", "a|b"));
  screen.btnConvertClick();
  EXPECT_EQ(prompts.LastMessage().Text, "文件名有错误!");
}

TEST_F(PayResultFilesTest, aConversionWithoutTheSpreadsheetComponentWritesNothing) {
  TPayFileContext context = Context();
  context.StartSpreadsheet = []() -> std::unique_ptr<TSpreadsheetApp> {
    throw TSpreadsheetStartError(QStringLiteral("不可用"));
  };
  TFormSubstPayRetDownLoad screen(context);
  prompts.AnswerFile(Write("r.txt", "a|b"));
  screen.btnConvertClick();
  EXPECT_EQ(prompts.LastMessage().Text, "连接到EXCEL文件失败!");
  EXPECT_FALSE(QFile::exists(File("r.xls")));
}

TEST_F(PayResultFilesTest, theResultBrowserShowsEachRecordWithItsOutcome) {
  TfmPayoutcomefile screen(Context());
  auto& grid = Child<TMapleGrid>(screen, "sgDLtemp");
  const auto totals = [&] {
    return Child<QLabel>(screen, "lblSum").text() + " " + Child<QLabel>(screen, "lblCount").text();
  };
  const QString result =
      Write("r.txt", "6222001|100.5|张三|成功|\r\n6222002|abc|李四|失败|账户已冻结");
  screen.show();
  EXPECT_EQ(grid.ColumnCount(), 2);
  prompts.AnswerFile(result);
  screen.btnViewClick();
  EXPECT_EQ(prompts.LastMessage().Text, "请先打开模板文件！");
  EXPECT_TRUE(prompts.FileDialogs().empty());  // its answer stays queued for the next
  EXPECT_EQ(screen.Outcomes().Rows().size(), 1);

  TPayTemplate salary;
  salary.Money = 2;
  salary.Columns = {{"账号", 1}, {"金额", 2}, {"姓名", 3}};
  WriteFileAtomically(File("工资.xml"), TemplateFileBytes(salary));
  screen.close();
  WriteActiveTemplatePath(dir.path(), File("工资.xml"));
  screen.show();
  EXPECT_EQ(grid.ColumnText(3), "处理结果");
  EXPECT_EQ(grid.ColumnText(4), "失败原因");
  screen.btnViewClick();
  EXPECT_EQ(grid.CellText(4, 1), "账户已冻结");
  EXPECT_EQ(grid.CellText(3, 0), "成功");
  EXPECT_EQ(totals(), "合计金额：￥100.50 总记录：2");

  // Leaving forgets the file; another template opened becomes the active one.
  screen.close();
  screen.show();
  EXPECT_EQ(totals(), "合计金额：￥0.00 总记录：1");
  salary.ListSeparator = ",";
  WriteFileAtomically(File("逗号.xml"), TemplateFileBytes(salary));
  prompts.AnswerFile(File("逗号.xml"));
  screen.btnOpenTemplateClick();
  EXPECT_EQ(ReadActiveTemplatePath(dir.path()), File("逗号.xml"));
  prompts.AnswerFile(Write("r2.txt", "1,2.5,x"));
  screen.btnViewClick();
  EXPECT_EQ(grid.CellText(1, 0), "2.5");
}

}  // namespace
