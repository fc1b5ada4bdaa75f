#include <gtest/gtest.h>

#include <clocale>

#include "xml/XmlFiles.h"
#include "xml/XmlNodes.h"

namespace {

using namespace xml;

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

Document Parse(const char* text) {
  Document doc;
  EXPECT_TRUE(ParseLibraryBytes(text, doc)) << text;
  return doc;
}

TEST(XmlNodes, selectAndFindLookAtTheRightElements) {
  Document doc = Parse("<Root><A>1</A><B/><A>2</A></Root>");
  EXPECT_EQ(SelectNode(doc, "Root"), doc.document_element());  // the parent itself
  EXPECT_EQ(GetNodeTextStr(doc, "A"), U("1"));                 // the first of two
  EXPECT_FALSE(FindNode(doc, "Root"));                         // children only
  EXPECT_FALSE(SelectNode(doc, "C"));
  EXPECT_FALSE(SelectNode(Node(), "A"));
}

TEST(XmlNodes, readsTrimmedTextOrTheDefault) {
  Document doc = Parse(
      "<R><Acc> \t 6222 \r\n</Acc><Empty/><Blank>   </Blank><Num> 12.50 </Num>"
      "<Int>42</Int><Bad>4x</Bad><Data><![CDATA[ cd ]]></Data></R>");
  EXPECT_EQ(GetNodeTextStr(doc, "Acc"), U("6222"));
  EXPECT_EQ(GetNodeTextStr(doc, "Empty", U("dflt")), U("dflt"));
  EXPECT_EQ(GetNodeTextStr(doc, "Missing", U("dflt")), U("dflt"));
  EXPECT_EQ(GetNodeTextStr(doc, "Blank", U("dflt")), U(""));
  EXPECT_EQ(GetNodeTextStr(doc, "Data"), U("cd"));
  EXPECT_EQ(GetNodeTextInt(doc, "Int", -1), 42);
  EXPECT_EQ(GetNodeTextInt(doc, "Bad", -1), -1);
  EXPECT_EQ(GetNodeTextInt(doc, "Num", -1), -1);
  EXPECT_DOUBLE_EQ(GetNodeTextReal(doc, "Num", -1), 12.5);
  EXPECT_DOUBLE_EQ(GetNodeTextReal(doc, "Bad", -1), -1);
}

TEST(XmlNodes, numbersUseAPointWhateverTheLocale) {
  const char* locale = std::setlocale(LC_ALL, "de_DE.UTF-8");
  if (!locale) locale = std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
  Document doc = Parse("<R><N>12.50</N></R>");
  EXPECT_DOUBLE_EQ(GetNodeTextReal(doc, "N"), 12.5);
  SetNodeTextReal(doc, "M", 1234.5);
  SetNodeTextReal(doc, "Z", 100);
  SetNodeTextReal(doc, "S", 0.0001);
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(GetNodeTextStr(doc, "M"), U("1234.5"));
  EXPECT_EQ(GetNodeTextStr(doc, "Z"), U("100"));
  EXPECT_EQ(GetNodeTextStr(doc, "S"), U("0.0001"));
  EXPECT_EQ(FormatReal(0.1 + 0.2), U("0.3"));
}

TEST(XmlNodes, setReplacesTextAndAppendAddsElements) {
  Document doc;
  Node root = AppendNode(doc, "List");
  Node item = AppendNode(root, "Item");
  SetNodeTextStr(item, "Name", U("旧"));
  SetNodeTextStr(item, "Name", U("新"));
  SetNodeTextInt(item, "Count", -7);
  AppendNode(doc, "Item");  // a document stands for its root element
  EXPECT_EQ(U(LibraryFileBytes(doc, false)),
            U("<List><Item><Name>新</Name><Count>-7</Count></Item><Item/></List>"));
  EXPECT_THROW(SetNodeTextStr(Node(), "X", U("v")), std::invalid_argument);
  EXPECT_THROW(AppendNode(Node(), "X"), std::invalid_argument);
}

}  // namespace
