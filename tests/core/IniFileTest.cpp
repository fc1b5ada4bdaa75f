#include <gtest/gtest.h>

#include <stdexcept>

#include "core/IniFile.h"
#include "platform/codec/Gbk.h"
#include "platform/files/FileError.h"
#include "support/TempAppDir.h"

namespace {

QString Text(const char* utf8) {
  return QString::fromUtf8(utf8);
}
QByteArray Gbk(const char* utf8) {
  return codec::ToGbk(Text(utf8));
}

TIniFile Load(const TempAppDir& dir, const QByteArray& bytes) {
  dir.Write(QStringLiteral("param/test.ini"), bytes);
  return TIniFile(dir.File(QStringLiteral("param/test.ini")));
}

}  // namespace

TEST(IniFile, readsSectionsAndKeysInFileOrderAsWindowsDoes) {
  TempAppDir dir;
  // Mixed line ends, GBK text with a character outside GB2312 (镕), blanks around
  // names and values, a quoted value, a comment, a repeated key.
  const TIniFile ini = Load(dir, Gbk("; 注释=不是键\r\n"
                                     "[转账业务]\r\n"
                                     "  批量制单 = 0 \r\n"
                                     "朱镕=\"  带引号 \"\n"
                                     "\r\n"
                                     "[B2B]\n"
                                     "URL=http://127.0.0.1:8443\n"
                                     "url=第二个\n"
                                     "Empty=\n"));
  EXPECT_TRUE(ini.Exists());
  EXPECT_EQ(ini.Sections(), (QStringList{Text("转账业务"), Text("B2B")}));
  EXPECT_EQ(ini.Keys(Text("转账业务")), (QStringList{Text("批量制单"), Text("朱镕")}));
  EXPECT_EQ(ini.Keys(Text("b2b")), (QStringList{Text("URL"), Text("Empty")}));
  EXPECT_EQ(ini.ReadString(Text("转账业务"), Text("批量制单")), Text("0"));
  EXPECT_EQ(ini.ReadString(Text("转账业务"), Text("朱镕")), Text("  带引号 "));
  EXPECT_EQ(ini.ReadString(Text("b2b"), Text("Url")), Text("http://127.0.0.1:8443"));
  EXPECT_EQ(ini.ReadString(Text("B2B"), Text("Empty"), Text("默认")), QString());
  EXPECT_EQ(ini.ReadString(Text("B2B"), Text("VerTime"), Text("默认")), Text("默认"));
  EXPECT_EQ(ini.ReadString(Text("无此节"), Text("URL")), QString());
  EXPECT_FALSE(ini.IsDamaged(Text("转账业务")));
  EXPECT_FALSE(ini.IsDamaged(Text("B2B")));

  const TIniFile missing(dir.File(QStringLiteral("param/none.ini")));
  EXPECT_FALSE(missing.Exists());
  EXPECT_TRUE(missing.Sections().isEmpty());
}

TEST(IniFile, aSectionWithAMalformedLineIsDamagedButKeepsItsGoodKeys) {
  TempAppDir dir;
  const TIniFile ini = Load(dir, Gbk("[无等号]\r\n甲=1\r\n这一行没有等号\r\n乙=2\r\n"
                                     "[空键名]\r\n = 3\r\n"
                                     "[非GBK]\r\n") +
                                     QByteArray("\x81\x20=4\r\n") +
                                     Gbk("[缺右括号\r\n丙=5\r\n"
                                         "[完好]\r\n; 注释\r\n\r\n丁=6\r\n"));
  EXPECT_EQ(ini.Sections(), (QStringList{Text("无等号"), Text("空键名"), Text("非GBK"),
                                         Text("缺右括号"), Text("完好")}));
  EXPECT_TRUE(ini.IsDamaged(Text("无等号")));
  EXPECT_TRUE(ini.IsDamaged(Text("空键名")));
  EXPECT_TRUE(ini.IsDamaged(Text("非GBK")));
  EXPECT_TRUE(ini.IsDamaged(Text("缺右括号")));
  EXPECT_FALSE(ini.IsDamaged(Text("完好")));
  EXPECT_EQ(ini.Keys(Text("无等号")), (QStringList{Text("甲"), Text("乙")}));
  EXPECT_TRUE(ini.Keys(Text("空键名")).isEmpty());
  EXPECT_TRUE(ini.Keys(Text("非GBK")).isEmpty());
  EXPECT_EQ(ini.ReadString(Text("缺右括号"), Text("丙")), Text("5"));
  EXPECT_EQ(ini.Keys(Text("完好")), QStringList{Text("丁")});
}

TEST(IniFile, writingKeepsEveryOtherLineByteForByte) {
  TempAppDir dir;
  const QByteArray head = Gbk("; 客户端配置 镕\r\n[B2B]\r\n  URL = http://old \r\n");
  const QByteArray undecodable("\x81\x20 kept as it was\r\n");
  const QByteArray tail = Gbk("CUST_ID=1001\r\n\r\n; 下一节\r\n[其他]\r\n键=值\r\n");
  TIniFile ini = Load(dir, head + undecodable + tail);

  ini.WriteString(Text("b2b"), Text("url"), Text("http://127.0.0.1:8443"));
  ini.WriteString(Text("B2B"), Text("OPER_ID"), Text("操作员01"));
  ini.WriteString(Text("新节"), Text("新键"), Text("新值"));
  ini.Save();

  const QByteArray expected = Gbk("; 客户端配置 镕\r\n[B2B]\r\nURL=http://127.0.0.1:8443\r\n") +
                              undecodable +
                              Gbk("CUST_ID=1001\r\nOPER_ID=操作员01\r\n\r\n; 下一节\r\n"
                                  "[其他]\r\n键=值\r\n\r\n[新节]\r\n新键=新值\r\n");
  EXPECT_EQ(dir.Read(QStringLiteral("param/test.ini")), expected);
  const TIniFile reread(dir.File(QStringLiteral("param/test.ini")));
  EXPECT_EQ(reread.ReadString(Text("B2B"), Text("OPER_ID")), Text("操作员01"));
  EXPECT_EQ(reread.Keys(Text("B2B")), (QStringList{Text("URL"), Text("CUST_ID"), Text("OPER_ID")}));
}

TEST(IniFile, savingRewritesLfLinesWithCrLfAndRefusesWhatALineCannotHold) {
  TempAppDir dir;
  TIniFile ini = Load(dir, Gbk("[B2B]\nVerTime=20261201"));
  ini.WriteString(Text("B2B"), Text("VerTime"), Text("20270101"));
  ini.Save();
  EXPECT_EQ(dir.Read(QStringLiteral("param/test.ini")), Gbk("[B2B]\r\nVerTime=20270101\r\n"));

  EXPECT_THROW(ini.WriteString(Text("B2B"), Text("a=b"), Text("1")), std::invalid_argument);
  EXPECT_THROW(ini.WriteString(Text("B2B"), Text("键"), Text("两\r\n行")), std::invalid_argument);
  EXPECT_THROW(ini.WriteString(Text("B2B"), Text("键"), Text("😀")), std::invalid_argument);
  EXPECT_THROW(ini.WriteString(Text("a]b"), Text("键"), Text("1")), std::invalid_argument);

  TIniFile nowhere(dir.File(QStringLiteral("no/such/dir/x.ini")));
  nowhere.WriteString(Text("B2B"), Text("URL"), Text("x"));
  EXPECT_THROW(nowhere.Save(), TFileError);
}
