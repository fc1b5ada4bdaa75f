#include <gtest/gtest.h>

#include "platform/printing/Report.h"
#include "statements/printing/DealReceiptLayout.h"
#include "statements/printing/DetailReceiptLayout.h"
#include "support/PdfText.h"
#include "support/TempAppDir.h"

namespace {

const TPartyBlock kPayer{"维岭示范贸易有限公司", "3100012345001", "维岭银行上海陆家嘴支行"};
const TPartyBlock kPayee{"上海恒远物流有限公司", "3100056780001", "维岭银行上海徐汇支行"};

QString Written(const TPrintLayout& layout, const TempAppDir& dir) {
  TReport(layout).WritePdf(dir.File("receipt.pdf"));
  return dir.File("receipt.pdf");
}

TEST(DetailReceipt, printsEveryCaptionAndValueInItsPlaceAndNotTheKeptValues) {
  TempAppDir dir;
  TFormHisDetailRepLink r{"人民币",
                          "20261128",
                          "0000318842",
                          "HX202611280015327",
                          kPayer,
                          kPayee,
                          "壹万贰仟捌佰陆拾元伍角",
                          "￥12860.50元",
                          "十一月运输服务费",
                          "钞",
                          "第2次补打。",
                          "MX20261128000731",
                          "12860.50",
                          2};
  const TDetailReceiptLayout layout(r);
  const QString pdf = Written(layout, dir);
  EXPECT_EQ(PdfLines(pdf),
            QStringList(
                {"维岭银行网上银行电子回单",
                 "币 种：人民币 日 期：20261128 凭证号：0000318842 交易流水号：HX202611280015327",
                 "全 称 维岭示范贸易有限公司 全 称 上海恒远物流有限公司", "付 收",
                 "款 账 号 3100012345001 款 账 号 3100056780001", "人 人",
                 "开户行 维岭银行上海陆家嘴支行 开户行 维岭银行上海徐汇支行",
                 "大写金额 壹万贰仟捌佰陆拾元伍角 小写金额 ￥12860.50元", "用 途 十一月运输服务费",
                 "钞汇标志 钞",
                 "重要提示：电子回单可重复打印，如您已通过银行柜台取得相应纸质回单，请注意核对，勿",
                 "重复记账。", "第2次补打。"}));
  // The notice is one text, wrapped; the stamp is a picture, no text.
  EXPECT_TRUE(
      PdfCharacters(pdf).endsWith("重要提示：电子回单可重复打印，如您已通过银行柜台取得相应纸质回单"
                                  "，请注意核对，勿重复记账。第2次补打。"));
}

TEST(DealReceipt, printsEveryCaptionAndValueInItsPlaceAndNoCountLineWhenThereIsNone) {
  TempAppDir dir;
  TFormHisDealRepLink r{"人民币",       "20261126",     "0000317065", kPayer,       kPayee,
                        "肆万捌仟元整", "￥48000.00元", "服务费",     "7F3A92C1",   "李晓梅",
                        "银行受理成功", "王建国",       "陈志远",     "第1次补打。"};
  const TDealReceiptLayout layout(r);
  const QStringList lines = PdfLines(Written(layout, dir));
  EXPECT_EQ(lines.mid(0, 2), QStringList({"维岭银行网上银行电子回单",
                                          "币 种：人民币 日 期：20261126 凭证号：0000317065"}));
  EXPECT_EQ(lines.mid(7),
            QStringList(
                {"大写金额 肆万捌仟元整 小写金额 ￥48000.00元", "用 途 服务费 验证码 7F3A92C1",
                 "制 单：李晓梅 状 态 银行受理成功", "复 核：王建国", "主 管：陈志远",
                 "重要提示：银行受理成功，本回单不作为收付方交易确认的最终依据。", "第1次补打。"}));

  r.PrintCountLine.clear();  // the newer interface counts no printings
  EXPECT_EQ(PdfLines(Written(layout, dir)).last(),
            "重要提示：银行受理成功，本回单不作为收付方交易确认的最终依据。");
}

}  // namespace
