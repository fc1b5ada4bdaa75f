#include <gtest/gtest.h>

#include "platform/codec/Gbk.h"
#include "registers/codetables/CodeFileConversion.h"
#include "registers/codetables/OtherBankTables.h"
#include "support/TempAppDir.h"

using codetables::TCodeFile;

namespace {

QString ParamDir(const TempAppDir& app) {
  return app.File("param");
}

// Converts text lines as the bank ships them and puts the table into param.
void WriteConverted(const TempAppDir& app, TCodeFile kind, const char* lines) {
  const auto table = codetables::ConvertCodeFile(kind, codec::ToGbk(QString::fromUtf8(lines)));
  ASSERT_TRUE(table) << lines;
  app.Write("param/" + codetables::TableFileName(kind), *table);
}

// Writes a table as GBK bytes from UTF-8 markup.
void WriteXml(const TempAppDir& app, TCodeFile kind, const char* markup) {
  app.Write("param/" + codetables::TableFileName(kind), codec::ToGbk(QString::fromUtf8(markup)));
}

QStringList BranchTexts(const QList<TUBank>& branches) {
  QStringList texts;
  for (const TUBank& branch : branches) texts << branch.UBankNo + " " + branch.BranchName;
  return texts;
}

}  // namespace

TEST(OtherBankTables, readsConvertedTablesInFileOrder) {
  TempAppDir app;
  WriteConverted(app, TCodeFile::Area,
                 "广东省|广州市|5810|\r\n广东省|深圳市|5840|\r\n北京市|北京市|1000|\r\n"
                 "广东省|珠海市|5850|\r\n");
  WriteConverted(app, TCodeFile::Bank, "华东商业银行|102|\r\n南方发展银行|104|\r\n");
  WriteConverted(app, TCodeFile::Branch,
                 "102|5810|广州天河支行|102581000013|\r\n102|5810|广州越秀支行|102581000021|\r\n"
                 "102|1000|北京西单支行|102100000017|\r\n104|5810|广州番禺支行|104581000019|\r\n");

  const TOtherBankTables tables = TOtherBankTables::Load(ParamDir(app));
  ASSERT_EQ(tables.Banks().size(), 2);
  EXPECT_EQ(tables.Banks()[0].BankCode, "102");
  EXPECT_EQ(tables.Banks()[0].BankName, "华东商业银行");
  EXPECT_EQ(tables.Banks()[1].BankCode, "104");

  // A province in two runs of the file is two provinces of the same name.
  ASSERT_EQ(tables.Provinces().size(), 3);
  EXPECT_EQ(tables.Provinces()[0].ProvinceName, "广东省");
  ASSERT_EQ(tables.Provinces()[0].Cities.size(), 2);
  EXPECT_EQ(tables.Provinces()[0].Cities[1].AreaCode, "5840");
  EXPECT_EQ(tables.Provinces()[0].Cities[1].CityName, "深圳市");
  EXPECT_EQ(tables.Provinces()[2].ProvinceName, "广东省");
  ASSERT_EQ(tables.Provinces()[2].Cities.size(), 1);
  EXPECT_EQ(tables.Provinces()[2].Cities[0].CityName, "珠海市");

  EXPECT_EQ(BranchTexts(tables.Branches("102", "5810")),
            QStringList({"102581000013 广州天河支行", "102581000021 广州越秀支行"}));
  EXPECT_EQ(BranchTexts(tables.Branches("104", "5810")),
            QStringList({"104581000019 广州番禺支行"}));
  EXPECT_TRUE(tables.Branches("104", "1000").isEmpty());  // bank known, not in that city
  EXPECT_TRUE(tables.Branches("105", "5810").isEmpty());
  EXPECT_TRUE(tables.Branches("", "").isEmpty());
  EXPECT_EQ(tables.BranchCount(), 4);
}

TEST(OtherBankTables, readsByPositionAndAttributeAndOnlyTheFirstMatchingElementsCount) {
  TempAppDir app;
  // Element names do not matter; the first bank element of a code hides later
  // ones even when only a later one has the area asked for.
  WriteXml(
      app, TCodeFile::Branch,
      "<?xml version=\"1.0\" encoding=\"gb2312\"?>\r\n<Root>\r\n"
      "<B BankId=\"102\"><A AreaId=\"5810\"><U UBankCode=\"1\"><![CDATA[甲支行]]></U></A>"
      "<A AreaId=\"5810\"><U UBankCode=\"2\"><![CDATA[乙支行]]></U></A></B>\r\n"
      "<B BankId=\"102\"><A AreaId=\"5840\"><U UBankCode=\"3\"><![CDATA[丙支行]]></U></A></B>\r\n"
      "<B BankId=\"103\"><A AreaId=\"5840\"><U UBankCode=\"4\">丁支行</U>"
      "<U UBankCode=\"5\"><![CDATA[R&D<支行>]]></U></A></B>\r\n"
      "</Root>\r\n");
  WriteXml(
      app, TCodeFile::Bank,
      "<?xml version=\"1.0\" encoding=\"gb2312\"?>\r\n<X><Y BankCode=\"9\"><![CDATA[朱镕银行]]></Y>"
      "<Y><![CDATA[无码银行]]></Y></X>");
  const TOtherBankTables tables = TOtherBankTables::Load(ParamDir(app));

  EXPECT_EQ(BranchTexts(tables.Branches("102", "5810")), QStringList({"1 甲支行"}));
  EXPECT_TRUE(tables.Branches("102", "5840").isEmpty());
  EXPECT_EQ(BranchTexts(tables.Branches("103", "5840")), QStringList({"4 丁支行", "5 R&D<支行>"}));
  EXPECT_EQ(tables.BranchCount(), 3);

  // "镕" is a GBK character outside GB2312: the declaration does not decide.
  ASSERT_EQ(tables.Banks().size(), 2);
  EXPECT_EQ(tables.Banks()[0].BankName, "朱镕银行");
  EXPECT_EQ(tables.Banks()[1].BankCode, "");
  EXPECT_EQ(tables.Banks()[1].BankName, "无码银行");
}

TEST(OtherBankTables, aMissingBrokenOrNonGbkTableStaysEmptyAndTheOthersAreRead) {
  TempAppDir app;
  const TOtherBankTables none = TOtherBankTables::Load(ParamDir(app));
  EXPECT_TRUE(none.Banks().isEmpty());
  EXPECT_TRUE(none.Provinces().isEmpty());
  EXPECT_TRUE(none.Branches("102", "5810").isEmpty());

  WriteConverted(app, TCodeFile::Bank, "华东商业银行|102|\r\n");
  WriteXml(app, TCodeFile::Branch,
           "<UBankCodesConf><BankCode BankId=\"102\"><AreaCode AreaId=\"5810\">"
           "<UBank UBankCode=\"1\"><![CDATA[甲]]></UBank></AreaCode></BankCode>"
           "<BankCode BankId=\"103\">");  // a whole bank, then one never closed
  QByteArray area = codec::ToGbk(
      QString::fromUtf8("<?xml version=\"1.0\" encoding=\"gb2312\"?>\r\n<AreaCodesConf><AreaProv "
                        "AreaName=\"广东省\"><Area AreaCode=\"5810\">"
                        "<![CDATA[广州市]]></Area></AreaProv></AreaCodesConf>"));
  area.insert(area.indexOf("CDATA[") + 6, "\x81\x20");  // a lead byte without its trail
  app.Write("param/AreaPeov.xml", area);

  const TOtherBankTables tables = TOtherBankTables::Load(ParamDir(app));
  ASSERT_EQ(tables.Banks().size(), 1);
  EXPECT_EQ(tables.Banks()[0].BankName, "华东商业银行");
  EXPECT_TRUE(tables.Provinces().isEmpty());
  EXPECT_TRUE(tables.Branches("102", "5810").isEmpty());
  EXPECT_EQ(tables.BranchCount(), 0);

  // A directory where a table should be is no table either.
  TempAppDir other;
  other.Write("param/UBank.xml/x", "");
  EXPECT_EQ(TOtherBankTables::Load(ParamDir(other)).BranchCount(), 0);
}
