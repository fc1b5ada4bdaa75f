#include <gtest/gtest.h>

#include "platform/codec/Gbk.h"
#include "session/transport/ReplyBody.h"

using reply::DecodeBody;

TEST(ReplyBody, DecodedByBomThenHeaderThenDeclarationThenGbk) {
  const QString name = QStringLiteral("维岭示范");
  const QByteArray gbk = codec::ToGbk(name);
  const QByteArray utf8 = name.toUtf8();
  EXPECT_EQ(DecodeBody(gbk, "text/xml; charset=GBK"), name);
  EXPECT_EQ(DecodeBody(gbk, "text/html; charset=\"gb2312\""), name);
  EXPECT_EQ(DecodeBody(gbk, ""), name);
  EXPECT_EQ(DecodeBody(utf8, "text/xml;charset=UTF-8"), name);
  // The header wins over the declaration, the declaration over the default.
  EXPECT_EQ(DecodeBody("<?xml version=\"1.0\" encoding=\"GBK\"?><A>" + utf8 + "</A>",
                       "text/xml; charset=utf-8"),
            QStringLiteral("<?xml version=\"1.0\" encoding=\"GBK\"?><A>维岭示范</A>"));
  EXPECT_EQ(DecodeBody("<?xml version='1.0' encoding = 'utf-8' ?><A>" + utf8 + "</A>", "text/xml"),
            QStringLiteral("<?xml version='1.0' encoding = 'utf-8' ?><A>维岭示范</A>"));
  EXPECT_EQ(DecodeBody("\xEF\xBB\xBF" + utf8, "text/xml; charset=GBK"), name);

  const QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?><A>维</A>");
  const QByteArray le(reinterpret_cast<const char*>(xml.utf16()), xml.size() * 2);
  QByteArray be = le;
  for (qsizetype i = 0; i + 1 < be.size(); i += 2) std::swap(be[i], be[i + 1]);
  EXPECT_EQ(DecodeBody(le, ""), xml);
  EXPECT_EQ(DecodeBody(be, ""), xml);
  EXPECT_EQ(DecodeBody("\xFF\xFE" + le, "text/xml"), xml);
  EXPECT_EQ(DecodeBody(le, "text/xml; charset=unicode"), xml);
}

TEST(ReplyBody, FilesAreAttachmentsOrNeitherTextNorXml) {
  EXPECT_TRUE(reply::IsFile("text/plain", "Attachment; filename=\"a.txt\""));
  EXPECT_TRUE(reply::IsFile("application/zip", ""));
  EXPECT_TRUE(reply::IsFile("application/octet-stream; name=x", "inline"));
  EXPECT_FALSE(reply::IsFile("text/xml; charset=GBK", ""));
  EXPECT_FALSE(reply::IsFile("TEXT/HTML", "inline; filename=a.htm"));
  EXPECT_FALSE(reply::IsFile("application/xml", ""));
  EXPECT_FALSE(reply::IsFile("application/xhtml+xml", ""));
  EXPECT_FALSE(reply::IsFile("", ""));
}

TEST(ReplyBody, SuggestedNameIsAPlainFileName) {
  const QUrl url(QStringLiteral("http://127.0.0.1:1/download/WeilingB2BClient-setup.zip?x=1"));
  EXPECT_EQ(reply::SuggestedFileName("attachment; filename=\"..\\..\\evil.zip\"", url),
            QStringLiteral("evil.zip"));
  EXPECT_EQ(reply::SuggestedFileName("attachment; filename=\"dir/a;b.txt\"; size=3", url),
            QStringLiteral("a;b.txt"));
  EXPECT_EQ(reply::SuggestedFileName(
                "attachment; filename=x.txt; filename*=UTF-8''%E5%9B%9E%E5%8D%95.txt", url),
            QStringLiteral("回单.txt"));
  EXPECT_EQ(reply::SuggestedFileName("attachment; filename=\xBB\xD8\xB5\xA5.txt", url),
            QStringLiteral("回单.txt"));
  EXPECT_EQ(reply::SuggestedFileName("attachment", url),
            QStringLiteral("WeilingB2BClient-setup.zip"));
  EXPECT_EQ(
      reply::SuggestedFileName("attachment; filename=\"../..\"", QUrl(QStringLiteral("http://h/"))),
      QStringLiteral("download"));
  EXPECT_EQ(reply::PlainFileName(QStringLiteral("C:a<b>?.txt")), QStringLiteral("C_a_b__.txt"));
}
