#include <gtest/gtest.h>

#include "platform/codec/Gbk.h"
#include "platform/files/FileError.h"
#include "support/FileSizeLimit.h"
#include "support/TempAppDir.h"
#include "xml/TextConversions.h"
#include "xml/XmlFiles.h"

namespace {

using namespace xml;

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

const QByteArray kDeclaration =
    "<?xml version=\"1.0\" encoding=\"GB2312\" standalone=\"yes\"?>\r\n";

void BuildSample(Document& doc, const QString& name) {
  Node item = AppendNode(AppendNode(doc, "AccountList"), "PayeeList");
  SetNodeTextStr(item, "RcvAccNo", U("6222 <&> 01"));
  SetNodeTextStr(item, "RcvAccName", name);
  SetNodeTextStr(item, "Empty", QString());
}

TEST(RegisterFile, isTheDeclarationLineAndTheCompactDocumentInGbk) {
  TempAppDir dir;
  Document doc;
  BuildSample(doc, U("维岭银行 镕堃"));  // 镕堃: GBK extension characters
  SaveRegisterFile(doc, dir.File("Payee.xml"));
  const QByteArray expected =
      kDeclaration +
      codec::ToGbk(
          U("<AccountList><PayeeList><RcvAccNo>6222 &lt;&amp;&gt; 01</RcvAccNo>"
            "<RcvAccName>维岭银行 镕堃</RcvAccName><Empty></Empty></PayeeList></AccountList>")) +
      "\r\n";
  EXPECT_EQ(dir.Read("Payee.xml"), expected);

  Document back;
  ASSERT_TRUE(LoadRegisterFile(dir.File("Payee.xml"), back));
  Node item = FindNode(back, "PayeeList");
  EXPECT_EQ(GetNodeTextStr(item, "RcvAccName"), U("维岭银行 镕堃"));
  EXPECT_EQ(GetNodeTextStr(item, "RcvAccNo"), U("6222 <&> 01"));
}

TEST(RegisterFile, keepsCharactersThatGbkCannotHold) {
  Document doc;
  BuildSample(doc, U("张㐀\U0001F600"));
  const QByteArray bytes = RegisterFileBytes(doc);
  EXPECT_TRUE(bytes.contains("&#x3400;&#x1F600;"));
  Document back;
  ASSERT_TRUE(ParseRegisterBytes(bytes, back));
  EXPECT_EQ(GetNodeTextStr(FindNode(back, "PayeeList"), "RcvAccName"), U("张㐀\U0001F600"));
}

TEST(RegisterFile, isReadAsGbkWhateverItsDeclarationSays) {
  const QByteArray utf8Declared = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<L>\n  <N>" +
                                  codec::ToGbk(U("中文")) + "</N>\n</L>";
  Document doc;
  ASSERT_TRUE(ParseRegisterBytes(utf8Declared, doc));
  EXPECT_EQ(GetNodeTextStr(doc, "N"), U("中文"));
}

TEST(RegisterFile, brokenOrNonGbkFilesGiveAnEmptyDocument) {
  // Each broken input comes before a good one: nothing of it may leak into the next read.
  TempAppDir dir;
  Document doc;
  EXPECT_FALSE(LoadRegisterFile(dir.File("missing.xml"), doc));
  EXPECT_FALSE(ParseRegisterBytes(kDeclaration + "<L><N>x</L>", doc));
  EXPECT_FALSE(doc.document_element());
  EXPECT_FALSE(ParseRegisterBytes(kDeclaration + "<L><N>\xd6</N></L>", doc));
  EXPECT_FALSE(ParseRegisterBytes(QByteArray(), doc));
  EXPECT_FALSE(ParseRegisterBytes(kDeclaration + "<L><N>x</N></L>\xd6", doc));
  EXPECT_TRUE(ParseRegisterBytes(kDeclaration + "<L><N>x</N></L>", doc));
}

TEST(RegisterFile, aFailedSaveLeavesTheOldFile) {
  TempAppDir dir;
  Document old;
  BuildSample(old, U("旧"));
  SaveRegisterFile(old, dir.File("Payee.xml"));
  const QByteArray before = dir.Read("Payee.xml");

  Document big;
  Node root = AppendNode(big, "AccountList");
  for (int i = 0; i < 5000; ++i) SetNodeTextStr(AppendNode(root, "PayeeList"), "RcvAccNo", U("x"));
  {
    FileSizeLimit limit(before.size() + 100);
    EXPECT_THROW(SaveRegisterFile(big, dir.File("Payee.xml")), TFileError);
  }
  EXPECT_EQ(dir.Read("Payee.xml"), before);
}

TEST(LibraryFile, isUtf8WithoutDeclarationIndentedOrNot) {
  TempAppDir dir;
  Document doc;
  SetNodeTextInt(AppendNode(AppendNode(doc, "Grids"), "Batch"), "Col1", 80);
  SetNodeTextStr(FindNode(doc, "Batch"), "Name", U("中"));
  SaveLibraryFile(doc, dir.File("Grid.xml"), false);
  EXPECT_EQ(dir.Read("Grid.xml"), QByteArray("<Grids><Batch><Col1>80</Col1><Name>") +
                                      U("中").toUtf8() + "</Name></Batch></Grids>");
  EXPECT_EQ(LibraryFileBytes(doc, true),
            QByteArray("<Grids>\n  <Batch>\n    <Col1>80</Col1>\n    <Name>") + U("中").toUtf8() +
                "</Name>\n  </Batch>\n</Grids>\n");
}

TEST(LibraryFile, isParsedInTheEncodingItsDeclarationNames) {
  Document doc;
  ASSERT_TRUE(ParseLibraryBytes(
      "<?xml version=\"1.0\" encoding=\"GB2312\"?><T>" + codec::ToGbk(U("模板")) + "</T>", doc));
  EXPECT_EQ(GetNodeTextStr(doc, "T"), U("模板"));
  ASSERT_TRUE(ParseLibraryBytes("<T>" + U("模板").toUtf8() + "</T>", doc));
  EXPECT_EQ(GetNodeTextStr(doc, "T"), U("模板"));
  EXPECT_FALSE(ParseLibraryBytes("<T>", doc));
}

TEST(TextConversions, convertGbkToTextAndUtf8) {
  EXPECT_TRUE(AnsiToUtf8Text(QByteArray()).isEmpty());
  EXPECT_TRUE(AnsiToWide(QByteArray()).isEmpty());
  const QByteArray gbk = codec::ToGbk(U("中文"));
  EXPECT_EQ(gbk.size(), 4);
  EXPECT_EQ(AnsiToWide(gbk), U("中文"));
  EXPECT_EQ(AnsiToUtf8Text(gbk), U("中文").toUtf8());
  EXPECT_EQ(AnsiToUtf8Text(gbk).size(), 6);
  EXPECT_EQ(WideToUtf8(U("镕")), U("镕").toUtf8());
}

}  // namespace
