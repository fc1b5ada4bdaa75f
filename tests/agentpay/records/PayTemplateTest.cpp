#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "agentpay/records/PayExport.h"
#include "agentpay/records/PayTemplate.h"
#include "agentpay/records/RecordLine.h"
#include "agentpay/records/TemplateDraft.h"
#include "platform/codec/Gbk.h"
#include "xml/XmlFiles.h"

namespace {

std::optional<TPayTemplate> Parse(const QByteArray& bytes) {
  xml::Document doc;
  if (!xml::ParseRegisterBytes(bytes, doc)) return std::nullopt;
  return ReadTemplate(doc);
}

TEST(PayTemplate, theFileIsWrittenInItsElementOrderAndReadsBack) {
  TPayTemplate salary;
  salary.Money = 3;
  salary.UbankNo = 4;
  salary.IfAddEndSign = true;
  salary.Columns = {{"账号", 1}, {"户名", 2}, {"金额", 3}, {"联行号", 4}};
  const QByteArray bytes = TemplateFileBytes(salary);
  EXPECT_EQ(
      bytes,
      "<?xml version=\"1.0\" encoding=\"GB2312\" standalone=\"yes\"?>\r\n"
      "<Templates><ListSeparator>|</ListSeparator><Money>3</Money>"
      "<UbankNo>4</UbankNo><WorkAround>1</WorkAround><IfAddEndSign>1</IfAddEndSign>"
      "<cluse><ColName>" +
          codec::ToGbk(u"账号") + "</ColName><ColPosition>1</ColPosition></cluse><cluse><ColName>" +
          codec::ToGbk(u"户名") + "</ColName><ColPosition>2</ColPosition></cluse><cluse><ColName>" +
          codec::ToGbk(u"金额") + "</ColName><ColPosition>3</ColPosition></cluse><cluse><ColName>" +
          codec::ToGbk(u"联行号") +
          "</ColName><ColPosition>4</ColPosition></cluse></Templates>\r\n");
  EXPECT_EQ(Parse(bytes), salary);
  EXPECT_EQ(salary.MoneyIndex(), 2);
  EXPECT_EQ(salary.UbankIndex(), 3);

  // Made by hand: positions in any order, optional elements left out, unknown
  // ones ignored; a blank separator is the vertical bar.
  const std::optional<TPayTemplate> hand = Parse(
      "<Templates><Note/><ListSeparator> </ListSeparator><Money>2</Money>"
      "<WorkAround>2</WorkAround><cluse><ColName>A</ColName><ColPosition>3</ColPosition>"
      "</cluse><cluse><ColName>B</ColName><ColPosition> 1 </ColPosition></cluse>"
      "<cluse><ColName>C</ColName><ColPosition>2</ColPosition></cluse></Templates>");
  ASSERT_TRUE(hand);
  EXPECT_EQ(hand->Columns, QList<TPayColumn>({{"A", 3}, {"B", 1}, {"C", 2}}));
  EXPECT_EQ(hand->Separator(), "|");
  EXPECT_EQ(hand->WorkAround, 2);
  EXPECT_FALSE(hand->UbankIndex());
  EXPECT_FALSE(hand->IfAddEndSign);

  for (const char* ubank : {"<UbankNo/>", "<UbankNo>x</UbankNo>"})
    EXPECT_FALSE(Parse(QByteArray("<Templates>") + ubank + "</Templates>")->UbankNo) << ubank;
  EXPECT_FALSE(Parse("<Templates><Money>a</Money></Templates>"));
  EXPECT_FALSE(Parse("<Templates><cluse><ColName>A</ColName></cluse></Templates>"));
}

TEST(PayTemplate, theActiveTemplateIsNamedByOneLineInThePointerFile) {
  QTemporaryDir dir;
  EXPECT_EQ(ReadActiveTemplatePath(dir.path()), "");
  WriteActiveTemplatePath(dir.path(), "/data/dfdk/工资.xml");
  QFile pointer(dir.filePath("templet.xml"));
  ASSERT_TRUE(pointer.open(QIODevice::ReadOnly));
  EXPECT_EQ(pointer.readAll(), codec::ToGbk(u"/data/dfdk/工资.xml\r\n"));
  EXPECT_EQ(ReadActiveTemplatePath(dir.path()), "/data/dfdk/工资.xml");

  EXPECT_TRUE(
      NamesTemplateElements("<Templates><ListSeparator/><Money/><WorkAround/><cluse>"
                            "<ColName/><ColPosition/></cluse></Templates>"));
  EXPECT_FALSE(
      NamesTemplateElements("<Templates><ListSeparator/><Money/><WorkAround/><cluse>"
                            "<ColName/></cluse></Templates>"));
  EXPECT_EQ(FromDeclaration("\xEF\xBB\xBFxy<?xml?><a/>"), "<?xml?><a/>");
  EXPECT_EQ(FromDeclaration("<a/>"), "<a/>");
}

TEST(RecordLine, cellsJoinAndSplitWithTheSingleSpaceRules) {
  EXPECT_EQ(JoinRecord({"a", "b", "", "d"}, "|"), "a|b| |d");
  EXPECT_EQ(JoinRecord({"", "  ", "c"}, "|"), "| |c");
  EXPECT_EQ(SplitRecordLine("a||b", "|"), QStringList({"a", " ", "b"}));
  EXPECT_EQ(SplitRecordLine("a,b,", ","), QStringList({"a", "b", ""}));
  EXPECT_EQ(LineWithEndSign("a|b", "|", true), "a|b|");
  EXPECT_EQ(LineWithEndSign("a|b", "|", false), "a|b");
}

TEST(RecordLine, amountsAreCheckedInOrderAndSummedExactly) {
  const QString caption = "金额";
  for (const char* tooPrecise : {"12.345", "12.34 ", "12.3 ", "-1.234"})
    EXPECT_EQ(RecordAmountProblem(tooPrecise, caption), "金额不能超过两位小数！") << tooPrecise;
  for (const char* fine : {"12.30", "12", "12 ", " 7.5"})
    EXPECT_EQ(RecordAmountProblem(fine, caption), "") << fine;
  EXPECT_EQ(RecordAmountProblem(" -5", caption), "金额不能为负数！");
  EXPECT_EQ(RecordAmountProblem("0.00", caption), "金额不能为零！");
  for (const char* slip : {"abc", "1e5", "+5", "1,000", "", "12345678901234"})
    EXPECT_EQ(RecordAmountProblem(slip, caption), "金额列是金额列,请输入正确的数值") << slip;

  EXPECT_EQ(TotalsOf({"1000", "abc", "0.5"}).SumText(), "￥1,000.50");
  EXPECT_EQ(TotalsOf({"0.1", "0.2"}).SumText(), "￥0.30");
  EXPECT_EQ(TotalsOf({"1000", "abc", "0.5"}).CountText(), "3");
}

}  // namespace

namespace {

TEST(PayExport, textWorkbookAndTheKeptCopy) {
  TPayTemplate salary;
  salary.IfAddEndSign = true;
  EXPECT_EQ(PayTextFileBytes({"张三|1", "", "李四|2"}, salary),
            codec::ToGbk(u"张三|1|\r\n李四|2|"));
  salary.IfAddEndSign = false;
  EXPECT_EQ(PayTextFileBytes({"a|1", " ", "b|2"}, salary), "a|1\r\nb|2");

  const TWorkbookData workbook = PayWorkbook({{"6222001", "100"}});
  EXPECT_EQ(workbook.Sheets[0].Cell(0, 0), "6222001");

  EXPECT_EQ(
      PayRecordsXmlBytes({"户名", "金额(元)", "1月"}, {{"张三", "1", "x"}}),
      "<?xml version=\"1.0\" encoding=\"GB2312\" standalone=\"yes\"?>\r\n<Templates><Record><" +
          codec::ToGbk(u"户名>张三</户名><金额_元_>1</金额_元_><_1月>x</_1月>") +
          "</Record></Templates>\r\n");
  EXPECT_EQ(PayRecordsXmlPath("/p/dfdk", "/home/c/pay.xls"), "/p/dfdk/pay.xml");
  EXPECT_EQ(PayRecordsXmlPath("/p/dfdk", "/home/c/pay.xlsx"), "/p/dfdk/pay.xml");
}

}  // namespace

namespace {

TEST(TemplateDraft, columnsAreInsertedRenamedAndRemovedWithPositionsRenumbered) {
  TTemplateDraft draft;
  EXPECT_EQ(draft.InsertPosition(-1), 1);
  draft.Insert(-1, "账号");
  draft.Insert(0, "户名");
  draft.Insert(1, "金额");
  EXPECT_EQ(draft.InsertPosition(1), 3);
  EXPECT_EQ(draft.Insert(1, "备注"), 2);
  EXPECT_EQ(draft.Columns(),
            QList<TPayColumn>({{"账号", 1}, {"户名", 2}, {"备注", 3}, {"金额", 4}}));
  draft.Rename(2, "用途");
  draft.Remove(0);
  EXPECT_EQ(draft.Columns(), QList<TPayColumn>({{"户名", 1}, {"用途", 2}, {"金额", 3}}));
  EXPECT_EQ(draft.Problem().first, -1);

  draft.SetColumns({{"A", 2}, {" ", 1}});
  EXPECT_EQ(draft.Problem(), std::make_pair(1, QString("请输入完整数据!")));
  draft.SetColumns({{"A", 2}, {"B", 2}});
  EXPECT_EQ(draft.Problem(), std::make_pair(1, QString("列位置不能重复,请重新输入!")));

  EXPECT_EQ(OneWhenEmptyOrZero(""), "1");
  EXPECT_EQ(OneWhenEmptyOrZero("0"), "1");
  EXPECT_EQ(OneWhenEmptyOrZero("12"), "12");
  EXPECT_EQ(MoneyColumnProblem(4, 3), "请重新指定金额列");
  EXPECT_EQ(MoneyColumnProblem(3, 3), "");
}

}  // namespace
