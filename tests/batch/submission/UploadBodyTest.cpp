#include <gtest/gtest.h>

#include <QStringList>

#include "SampleBatch.h"
#include "batch/documents/BatchLine.h"
#include "batch/submission/BatchUpload.h"
#include "core/SessionUser.h"
#include "platform/codec/Gbk.h"

TEST(UploadBody, threeDocumentsGiveFortyOneGbkLinesWithNothingEscaped) {
  const TBatch batch = SampleBatch();
  TUSER user;
  user.CustId = "3100012345";
  user.UserId = "001";
  user.SKey = "k+y/=&%2B";
  // Blanks, form and URL specials and a Chinese character stay as typed.
  const QString password = " p&=%+密 ";
  QStringList lines = {"-----------------------------7d8119e403d4",
                       R"(Content-Disposition: form-data; name="SEND_FILE"; filename="C:\tmp.txt")",
                       "Content-Type: text/plain",
                       "",
                       BatchLine(batch[0], 1),
                       BatchLine(batch[1], 2),
                       BatchLine(batch[2], 3),
                       ""};
  const QList<QPair<QString, QString>> fields = {
      {"PASSWORD", password}, {"TXCODE", "621108"},  {"CUSTOMERID", "3100012345"},
      {"USERID", "001"},      {"SKEY", "k+y/=&%2B"}, {"STY_MAP", "8"},
      {"resType", "HTM"},     {"PT_LANGUAGE", "CN"}};
  for (const auto& [name, value] : fields) {
    lines += {"-----------------------------7d8119e403d4",
              "Content-Disposition: form-data; name=\"" + name + "\"", "", value};
  }
  lines += "-----------------------------7d8119e403d4--";
  ASSERT_EQ(lines.size(), 41);
  EXPECT_EQ(UploadBody(batch, SecretGbk(password), user, "621108").View().toByteArray(),
            codec::ToGbk(lines.join("\r\n") + "\r\n"));
}

TEST(UploadBody, requestFollowsTheTradeType) {
  EXPECT_EQ(UploadRequestFor(1).Path, "/NNVX/NECV6NEWB2BFile");
  EXPECT_EQ(UploadRequestFor(1).TxCode, "NN1310");
  for (const qint32 other : {0, 2, -1}) {
    EXPECT_EQ(UploadRequestFor(other).Path, "/NNVX/NECV5B2BFile") << other;
    EXPECT_EQ(UploadRequestFor(other).TxCode, "621108") << other;
  }
  EXPECT_EQ(UploadHeader(),
            "Content-Type: multipart/form-data; boundary=---------------------------7d8119e403d4");
}
