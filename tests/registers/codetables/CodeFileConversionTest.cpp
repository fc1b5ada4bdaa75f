#include <gtest/gtest.h>

#include <QDir>
#include <initializer_list>

#include "platform/codec/Gbk.h"
#include "registers/codetables/CodeFileConversion.h"
#include "support/FileSizeLimit.h"
#include "support/TempAppDir.h"

using codetables::ConvertCodeFile;
using codetables::TCodeFile;
using codetables::UpdateCodeTable;

namespace {

QByteArray Gbk(const char* utf8) {
  return codec::ToGbk(QString::fromUtf8(utf8));
}

// A table as it must be written: the GBK bytes of the lines, each ended by CR LF.
QByteArray Table(std::initializer_list<const char*> lines) {
  QByteArray bytes = "<?xml version=\"1.0\" encoding=\"gb2312\"?>\r\n";
  for (const char* line : lines) bytes += Gbk(line) + "\r\n";
  return bytes;
}

// Shows the difference line by line when a converted table is not the expected one.
void ExpectTable(TCodeFile kind, const QByteArray& text, const QByteArray& expected) {
  const std::optional<QByteArray> table = ConvertCodeFile(kind, text);
  ASSERT_TRUE(table.has_value());
  EXPECT_EQ(codec::FromGbk(*table).split(QStringLiteral("\r\n")),
            codec::FromGbk(expected).split(QStringLiteral("\r\n")));
  EXPECT_EQ(*table, expected);
}

TEST(CodeFileConversion, areaFile_groupsProvinceRunsByThePreviousLineOnly) {
  // Every kind of line end, the last line without one; 上海市 comes back in a
  // second run and gets a second element.
  const QByteArray text =
      Gbk("上海市|上海市|2900|\r\n"
          "浙江省|杭州市|3310|\n"
          "浙江省|宁波市|3320|\r"
          "上海市|崇明区|2910|");
  ExpectTable(
      TCodeFile::Area, text,
      Table({"<AreaCodesConf>", "<AreaProv AreaName=\"上海市\">",
             "<Area AreaCode=\"2900\"><![CDATA[上海市]]></Area>", "</AreaProv>",
             "<AreaProv AreaName=\"浙江省\">", "<Area AreaCode=\"3310\"><![CDATA[杭州市]]></Area>",
             "<Area AreaCode=\"3320\"><![CDATA[宁波市]]></Area>", "</AreaProv>",
             "<AreaProv AreaName=\"上海市\">", "<Area AreaCode=\"2910\"><![CDATA[崇明区]]></Area>",
             "</AreaProv>", "</AreaCodesConf>"}));
}

TEST(CodeFileConversion, bankFile_oneEntryPerLine_cutOnDecodedText) {
  // "磡" is B4 7C in GBK: its trail byte is a "|" that must not cut the name.
  // The empty line between LF and LF is a record too; a line without "|" has
  // an empty name and the whole line less its last character as the code.
  const QByteArray text =
      Gbk("华东商业银行|313|\r"
          "红磡信托银行|325|\n"
          "\n"
          "3999X\r\n"
          "西部发展银行|402|\r\n");
  ExpectTable(TCodeFile::Bank, text,
              Table({"<BankCodeConf>", "<Bank BankCode=\"313\"><![CDATA[华东商业银行]]></Bank>",
                     "<Bank BankCode=\"325\"><![CDATA[红磡信托银行]]></Bank>",
                     "<Bank BankCode=\"\"><![CDATA[]]></Bank>",
                     "<Bank BankCode=\"3999\"><![CDATA[]]></Bank>",
                     "<Bank BankCode=\"402\"><![CDATA[西部发展银行]]></Bank>", "</BankCodeConf>"}));
}

TEST(CodeFileConversion, branchFile_groupsBanksThenAreas_andDropsNbsp) {
  // The second bank starts in the area the first one ended with: a new bank
  // always opens a new area group. The last character is dropped whatever it is,
  // and the interbank number takes the rest of the line, "|" and all.
  const QByteArray text =
      Gbk("313|2900|浦东&nbsp;支行|313290000011|\r\n"
          "313|2900|红磡路支行|313290000029|\r\n"
          "313|3310|杭州&nbsp;西湖&nbsp;支行|313331000017|\r\n"
          "402|3310|杭州分行|402331000010|\r\n"
          "402|2900|上海分行|402290000018|9|\r\n"
          "402|2900|徐汇支行|40229000002X\r\n");
  ExpectTable(TCodeFile::Branch, text,
              Table({"<UBankCodesConf>",
                     "<BankCode BankId=\"313\">",
                     "<AreaCode AreaId=\"2900\">",
                     "<UBank UBankCode=\"313290000011\"><![CDATA[浦东支行]]></UBank>",
                     "<UBank UBankCode=\"313290000029\"><![CDATA[红磡路支行]]></UBank>",
                     "</AreaCode>",
                     "<AreaCode AreaId=\"3310\">",
                     "<UBank UBankCode=\"313331000017\"><![CDATA[杭州西湖支行]]></UBank>",
                     "</AreaCode>",
                     "</BankCode>",
                     "<BankCode BankId=\"402\">",
                     "<AreaCode AreaId=\"3310\">",
                     "<UBank UBankCode=\"402331000010\"><![CDATA[杭州分行]]></UBank>",
                     "</AreaCode>",
                     "<AreaCode AreaId=\"2900\">",
                     "<UBank UBankCode=\"402290000018|9\"><![CDATA[上海分行]]></UBank>",
                     "<UBank UBankCode=\"40229000002\"><![CDATA[徐汇支行]]></UBank>",
                     "</AreaCode>",
                     "</BankCode>",
                     "</UBankCodesConf>"}));
}

TEST(CodeFileConversion, emptyInputIsRefusedRatherThanWrittenAsABrokenOrEmptyTable) {
  for (TCodeFile kind : {TCodeFile::Area, TCodeFile::Bank, TCodeFile::Branch})
    EXPECT_FALSE(ConvertCodeFile(kind, QByteArray()).has_value());
}

TEST(CodeFileConversion, refusesTextThatWouldGiveABrokenTable) {
  const auto refused = [](TCodeFile kind, const QByteArray& text) {
    return !ConvertCodeFile(kind, text).has_value();
  };
  // A field too many in the area and bank files; the branch file has no such check.
  EXPECT_TRUE(refused(TCodeFile::Area, Gbk("浙江省|杭州市|3310|\r\n浙江省|宁波市|3320|9|\r\n")));
  EXPECT_TRUE(refused(TCodeFile::Bank, Gbk("华东商业银行|313|1|\r\n")));
  EXPECT_FALSE(refused(TCodeFile::Branch, Gbk("313|2900|浦东支行|3132|9|\r\n")));
  // Not GBK: a lead byte at the end, a lead byte with a bad trail byte.
  EXPECT_TRUE(refused(TCodeFile::Bank, Gbk("华东商业银行|313|\r\n") + "\xB4"));
  EXPECT_TRUE(refused(TCodeFile::Area, QByteArray("\x81\x20|x|1|\r\n")));
  // Values that are written unescaped and would break the markup.
  EXPECT_TRUE(refused(TCodeFile::Area, Gbk("浙\"江|杭州市|3310|")));
  EXPECT_TRUE(refused(TCodeFile::Area, Gbk("浙江省|杭州市|33<10|")));
  EXPECT_TRUE(refused(TCodeFile::Area, Gbk("浙江省|杭州]]>市|3310|")));
  EXPECT_TRUE(refused(TCodeFile::Bank, Gbk("华东商业银行|3&13|")));
  EXPECT_TRUE(refused(TCodeFile::Branch, Gbk("313|2900|浦东]]>支行|313290000011|")));
  EXPECT_TRUE(refused(TCodeFile::Branch, Gbk("313|29\"00|浦东支行|313290000011|")));
  // "&" and "<" are harmless inside a name, and so is "竇]>", although the
  // trail byte of "竇" (B8 5D) is a "]".
  EXPECT_FALSE(refused(TCodeFile::Bank, Gbk("A&B<C银行|313|")));
  EXPECT_FALSE(refused(TCodeFile::Bank, Gbk("竇]>银行|313|")));
}

class CodeTableUpdate : public testing::Test {
 protected:
  QString Source(const char* name, const QByteArray& bytes) {
    dir.Write(QString::fromUtf8(name), bytes);
    return dir.File(QString::fromUtf8(name));
  }
  QString Param() const { return dir.File(QStringLiteral("param")); }

  TempAppDir dir;
  const QByteArray oldTable = Gbk("<BankCodeConf>旧的</BankCodeConf>\r\n");
};

TEST_F(CodeTableUpdate, writesTheTable_evenWhenTheOldOneIsMissingOrBroken) {
  QDir().mkpath(Param());
  const QString text = Source("OTHERBANKCODE.TXT", Gbk("华东商业银行|313|\r\n"));
  const QByteArray expected = *ConvertCodeFile(TCodeFile::Bank, Gbk("华东商业银行|313|\r\n"));

  ASSERT_TRUE(UpdateCodeTable(TCodeFile::Bank, text, Param()));
  EXPECT_EQ(dir.Read(QStringLiteral("param/OtherBank.xml")), expected);

  dir.Write(QStringLiteral("param/OtherBank.xml"), "<BankCodeConf><Bank");
  ASSERT_TRUE(UpdateCodeTable(TCodeFile::Bank, text, Param()));
  EXPECT_EQ(dir.Read(QStringLiteral("param/OtherBank.xml")), expected);
  EXPECT_EQ(QDir(Param()).entryList(QDir::Files), QStringList{"OtherBank.xml"});
}

TEST_F(CodeTableUpdate, refusedText_leavesTheOldTable) {
  dir.Write(QStringLiteral("param/OtherBank.xml"), oldTable);
  dir.Write(QStringLiteral("param/AreaPeov.xml"), oldTable);
  EXPECT_FALSE(UpdateCodeTable(
      TCodeFile::Bank, Source("OTHERBANKCODE.TXT", Gbk("华东商业银行|313|\r\n西部银行|402|x|\r\n")),
      Param()));
  EXPECT_FALSE(UpdateCodeTable(TCodeFile::Area,
                               Source("AREACODE.TXT", Gbk("浙江省|杭州市|3310|x|\r\n")), Param()));
  EXPECT_FALSE(UpdateCodeTable(TCodeFile::Bank, dir.File(QStringLiteral("missing.TXT")), Param()));
  EXPECT_FALSE(UpdateCodeTable(
      TCodeFile::Bank,
      Source("OTHERBANKCODE.TXT", Gbk("华东商业银行|313|\r\n") + QByteArray("\0\0|402|\r\n", 9)),
      Param()));
  EXPECT_EQ(dir.Read(QStringLiteral("param/OtherBank.xml")), oldTable);
  EXPECT_EQ(dir.Read(QStringLiteral("param/AreaPeov.xml")), oldTable);
}

TEST_F(CodeTableUpdate, failedWrite_reportsFailureAndLeavesTheOldTable) {
  QByteArray branches;
  for (int i = 0; i < 1000; ++i) branches += Gbk("313|2900|浦东支行|313290000011|\r\n");
  const QString text = Source("UBANKCODE.TXT", branches);

  // A directory where the table should be.
  QDir().mkpath(dir.File(QStringLiteral("param/UBank.xml")));
  EXPECT_FALSE(UpdateCodeTable(TCodeFile::Branch, text, Param()));
  EXPECT_TRUE(QFileInfo(dir.File(QStringLiteral("param/UBank.xml"))).isDir());

  // A full disk.
  QDir(dir.File(QStringLiteral("param/UBank.xml"))).removeRecursively();
  dir.Write(QStringLiteral("param/UBank.xml"), oldTable);
  {
    FileSizeLimit limit(16);
    EXPECT_FALSE(UpdateCodeTable(TCodeFile::Branch, text, Param()));
  }
  EXPECT_EQ(dir.Read(QStringLiteral("param/UBank.xml")), oldTable);

  // No param directory at all.
  EXPECT_FALSE(UpdateCodeTable(TCodeFile::Branch, text, dir.File(QStringLiteral("none"))));
  EXPECT_EQ(QDir(Param()).entryList(QDir::Files), QStringList{"UBank.xml"});
}

}  // namespace
