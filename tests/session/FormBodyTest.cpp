#include <gtest/gtest.h>

#include "core/SessionUser.h"
#include "session/transport/FormBody.h"
#include "session/transport/WebDownloader.h"

namespace {

TUSER DemoUser() {
  TUSER user;
  user.CustId = QStringLiteral("3100012345");
  user.UserId = QStringLiteral("001");
  user.SKey = QStringLiteral("K1");
  return user;
}

}  // namespace

TEST(FormBody, StandardAndAgentPayStarts) {
  EXPECT_EQ(TFormBody::Standard(QStringLiteral("6P0010"), DemoUser()).Bytes(),
            QByteArray("TXCODE=6P0010&SKEY=K1&CUSTOMERID=3100012345&USERID=001"
                       "&PT_LANGUAGE=CN&NVX_IBSVersion=V6&PT_STYLE=8&resType=HTM"));
  EXPECT_EQ(TFormBody::AgentPay(QStringLiteral("661201"), DemoUser()).Bytes(),
            QByteArray("CUSTOMERID=3100012345&USERID=001&TXCODE=661201&SKEY=K1"
                       "&PT_LANGUAGE=CN&STY_MAP=8&resType=HTM"));
}

TEST(FormBody, ValuesGoAsGbkOrUtf8WithTheFourBytesEncoded) {
  TFormBody body;
  body.Add("NAME", QStringLiteral("维岭"))
      .Add("MEMO", QStringLiteral("a%b&c=d+e f"))
      .AddUtf8("U", QStringLiteral("维+"))
      .Add("EMPTY", QString())
      .AddEncoded("RAW", "%E7%BB&x=1");
  EXPECT_EQ(body.Bytes(), QByteArray("NAME=\xCE\xAC\xC1\xEB"
                                     "&MEMO=a%25b%26c%3Dd%2Be f"
                                     "&U=\xE7\xBB\xB4%2B"
                                     "&EMPTY="
                                     "&RAW=%E7%BB&x=1"));
}

TEST(FormBody, CharacterOutsideGbkGoesAsQuestionMark) {
  TFormBody body;
  body.Add("A", QString::fromUtf8("x\xF0\x9F\x98\x80y"));
  EXPECT_EQ(body.Bytes(), QByteArray("A=x?y"));
}

TEST(FormBody, FileCodesGetTheShortLimitAnywhereInTheBody) {
  EXPECT_EQ(TWebDownloader::TimeLimitFor("TXCODE=660702&SKEY=1"), 5000);
  EXPECT_EQ(TWebDownloader::TimeLimitFor("SKEY=1&TXCODE=660702"), 5000);
  EXPECT_EQ(TWebDownloader::TimeLimitFor("CUSTOMERID=1&TXCODE=N18502"), 5000);
  EXPECT_EQ(TWebDownloader::TimeLimitFor("TXCODE=660701&A=660702"), 90000);
  EXPECT_EQ(TWebDownloader::TimeLimitFor(""), 90000);
}
