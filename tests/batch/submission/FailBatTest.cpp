#include <gtest/gtest.h>

#include "batch/submission/FailBat.h"
#include "platform/codec/Gbk.h"

namespace {

QList<QString> Fields(const TFailBat& f) {
  return {f.SeqNo, f.PayAccNo, f.PayAccName, f.RcvAccNo, f.RcvAccName, f.Reason};
}

}  // namespace

TEST(FailBat, cutsFiveFieldsAndTakesTheRestAsReason) {
  EXPECT_EQ(Fields(ReadFailBat("002|6222|张三|6217|李四|账户不存在|")),
            (QList<QString>{"002", "6222", "张三", "6217", "李四", "账户不存在"}));
  // Short texts: the last piece fills its field, the later ones stay empty.
  EXPECT_EQ(Fields(ReadFailBat("003|a|b")), (QList<QString>{"003", "a", "b", "", "", ""}));
  // Blanks around the text go; empty fields and a "|" inside the reason stay;
  // only one final "|" is dropped.
  EXPECT_EQ(Fields(ReadFailBat("  005||户名|6217| |余额|不足|| \r\n")),
            (QList<QString>{"005", "", "户名", "6217", " ", "余额|不足|"}));
}

TEST(FailBat, listFileHasOneGbkLinePerFailureWithoutTrailingBar) {
  const QList<TFailBat> fails = {ReadFailBat("002|6222|张三|6217|李四|账户不存在|"),
                                 ReadFailBat("003|a|b")};
  EXPECT_EQ(FailListFileBytes(fails),
            codec::ToGbk(QString("002|6222|张三|6217|李四|账户不存在\r\n003|a|b|||\r\n")));
}
