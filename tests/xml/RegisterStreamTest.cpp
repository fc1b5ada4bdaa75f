#include <gtest/gtest.h>

#include "platform/codec/Gbk.h"
#include "support/TempAppDir.h"
#include "xml/RegisterStream.h"
#include "xml/XmlFiles.h"

namespace {

using namespace xml;

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

const QByteArray kDeclaration =
    "<?xml version=\"1.0\" encoding=\"GB2312\" standalone=\"yes\"?>\r\n";

void SaveItem(qsizetype i, Node parent) {
  Node item = AppendNode(parent, "PayeeList");
  SetNodeTextStr(item, "RcvAccNo", QString::number(6222000 + i));
  SetNodeTextStr(item, "RcvAccName", i % 2 ? U("深圳镕堃贸易 & <有限> 公司") : U("张㐀"));
  SetNodeTextStr(item, "IsNVX", QString());
}

// What a child looks like, to compare two readings.
QString Describe(Node child) {
  return QString::fromUtf8(child.name()) + u'|' + GetNodeTextStr(child, "RcvAccNo") + u'|' +
         GetNodeTextStr(child, "RcvAccName") + u'|' + GetNodeTextStr(child, "Data");
}

struct Reading {
  bool Ok = false;
  QString Root;
  QStringList Children;
};

Reading Stream(const TempAppDir& dir, const QByteArray& bytes) {
  dir.Write("Payee.xml", bytes);
  Reading r;
  r.Ok = StreamRegisterFile(
      dir.File("Payee.xml"), [&r](const char* root) { r.Root = QString::fromUtf8(root); },
      [&r](Node child) { r.Children.append(Describe(child)); });
  return r;
}

Reading Whole(const QByteArray& bytes) {
  Reading r;
  Document doc;
  r.Ok = ParseRegisterBytes(bytes, doc);
  if (!r.Ok) return r;
  r.Root = QString::fromUtf8(doc.document_element().name());
  for (Node child : doc.document_element().children())
    if (child.type() == pugi::node_element) r.Children.append(Describe(child));
  return r;
}

// A register of some megabytes, so that it spans several of the reader's blocks,
// with the shapes a hand-edited file can have between and inside its items.
QByteArray LargeRegister(int items) {
  const QString trailBracket = codec::FromGbk(QByteArray("\x81\x5d", 2));  // second byte is "]"
  QByteArray body = kDeclaration + "<!-- exported -->\r\n<AccountList>\r\n";
  for (int i = 0; i < items; ++i) {
    body += codec::ToGbk(
        U("  <PayeeList><RcvAccNo> %1 </RcvAccNo><RcvAccName>维岭%2号</RcvAccName>").arg(i).arg(i));
    if (i % 1000 == 0) body += "<Data><![CDATA[" + codec::ToGbk(trailBracket) + "]>x<y>]]></Data>";
    body += "</PayeeList>\r\n";
    if (i % 5000 == 0) body += "<!-- <PayeeList> in a comment -->\r\n";
  }
  return body + "</AccountList>\r\n<?done?>\r\n";
}

TEST(RegisterStream, writesTheSameBytesAsTheWholeDocument) {
  Document doc;
  Node root = AppendNode(doc, "AccountList");
  for (qsizetype i = 0; i < 3; ++i) SaveItem(i, root);
  EXPECT_EQ(RegisterFileBytes("AccountList", 3, SaveItem), RegisterFileBytes(doc));

  Document empty;
  AppendNode(empty, "LocalList");
  EXPECT_EQ(RegisterFileBytes("LocalList", 0, SaveItem), RegisterFileBytes(empty));
  EXPECT_EQ(RegisterFileBytes(empty), kDeclaration + "<LocalList/>\r\n");

  // Large enough to be written in many pieces.
  TempAppDir dir;
  SaveRegisterFile(dir.File("Payee.xml"), "AccountList", 20000, SaveItem);
  Document big;
  root = AppendNode(big, "AccountList");
  for (qsizetype i = 0; i < 20000; ++i) SaveItem(i, root);
  EXPECT_EQ(dir.Read("Payee.xml"), RegisterFileBytes(big));
}

TEST(RegisterStream, readsWhatTheWholeDocumentParseReadsAcrossBlocks) {
  TempAppDir dir;
  const QByteArray bytes = LargeRegister(120000);
  ASSERT_GT(bytes.size(), 9 * 1024 * 1024);
  const Reading streamed = Stream(dir, bytes);
  const Reading whole = Whole(bytes);
  ASSERT_TRUE(streamed.Ok);
  ASSERT_TRUE(whole.Ok);
  EXPECT_EQ(streamed.Root, U("AccountList"));
  EXPECT_EQ(streamed.Children.size(), 120000);
  EXPECT_EQ(streamed.Children, whole.Children);
  EXPECT_EQ(streamed.Children[1000], codec::FromGbk("PayeeList|1000|") + U("维岭1000号|") +
                                         codec::FromGbk(QByteArray("\x81\x5d", 2)) + U("]>x<y>"));
}

TEST(RegisterStream, refusesDamageWhereverItStands) {
  TempAppDir dir;
  const QByteArray good = LargeRegister(120000);
  const qsizetype middle = good.indexOf("<PayeeList>", good.size() / 2);
  ASSERT_GT(middle, 4 * 1024 * 1024);
  const QByteArray damaged[] = {
      good.left(middle) + "\x81\x20" + good.mid(middle),  // not GBK between two items
      good.left(middle) + "<PayeeList><RcvAccNo>1</RcvAccName></PayeeList>" + good.mid(middle),
      good.left(middle + 20),                     // cut off inside an item
      good.left(good.indexOf("</AccountList>")),  // no end of the root
      good + "<AccountList/>",                    // a second root
      good + "<!-- \xd6 -->",                     // not GBK after the root
      kDeclaration + "\xd6<AccountList/>",        // not GBK before the root
      // What the whole-document parse refuses in the root's start tag and
      // before its end tag: an attribute without quotes, NUL bytes, a
      // processing instruction without a name.
      "<AccountList a=1><PayeeList/></AccountList>",
      QByteArray("<Account\0List/>", 15),
      QByteArray("<AccountList/\0<PayeeList/>\r\n", 28),
      "<AccountList><PayeeList/><\?\?></AccountList>",
      QByteArray(),
  };
  for (const QByteArray& bytes : damaged)
    EXPECT_FALSE(Stream(dir, bytes).Ok) << bytes.right(60).toStdString();
}

TEST(RegisterStream, unusualShapesAreReadAsAWholeDocument) {
  TempAppDir dir;
  const QByteArray shapes[] = {
      kDeclaration +
          "<!DOCTYPE AccountList>\r\n<AccountList><PayeeList><RcvAccNo>1</RcvAccNo>"
          "</PayeeList></AccountList>",
      "<AccountList a='x>y'><PayeeList b=\"/>\"><RcvAccNo>2</RcvAccNo></PayeeList>text"
      "<Other/></AccountList>",
      "<AccountList/>",
  };
  for (const QByteArray& bytes : shapes) {
    const Reading streamed = Stream(dir, bytes);
    const Reading whole = Whole(bytes);
    EXPECT_TRUE(streamed.Ok) << bytes.toStdString();
    EXPECT_EQ(streamed.Root, whole.Root);
    EXPECT_EQ(streamed.Children, whole.Children);
  }
}

}  // namespace
