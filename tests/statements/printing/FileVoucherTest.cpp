#include <gtest/gtest.h>

#include <QRegularExpression>

#include "platform/printing/Report.h"
#include "statements/printing/FileVoucherLayout.h"
#include "support/PdfText.h"
#include "support/TempAppDir.h"

namespace {

TTransferVoucher Voucher(int row, const QString& status) {
  return {"2026-11-26",
          QString("00003170%1").arg(row, 2, 10, QChar('0')),
          {"维岭示范贸易有限公司", "3100012345001", "维岭银行上海陆家嘴支行"},
          {"上海恒远物流有限公司", "3100056780001", "维岭银行上海徐汇支行"},
          QString("人民币壹仟零%1元整").arg(QString("零壹贰叁肆伍陆柒捌玖")[row % 10]),
          QString("￥100%1.00").arg(row % 10),
          "运输服务费",
          "合同号 HT-118",
          "十一月结算",
          status,
          "陈志远",
          "王建国",
          "李晓梅"};
}

QString Written(const TFormHisDetailRep& vouchers, const TempAppDir& dir) {
  const TFileVoucherLayout layout(vouchers);
  TReport(layout).WritePdf(dir.File("vouchers.pdf"));
  return dir.File("vouchers.pdf");
}

TEST(FileVoucher, flowRowsPrintOneVoucherEachInRecordOrderWithTheirStatusLines) {
  TempAppDir dir;
  const TFormHisDetailRep vouchers{
      {Voucher(1, "凭证状态[银行受理成功]"), Voucher(2, ""), Voucher(3, "凭证状态[银行受理中]")}};
  const QString pdf = Written(vouchers, dir);
  EXPECT_EQ(PdfLines(pdf).mid(0, 14),
            QStringList({"维岭银行电子转账凭证", "日 期：2026-11-26 凭证号：0000317001",
                         "全 称 维岭示范贸易有限公司 全 称 上海恒远物流有限公司", "付 收",
                         "款 账 号 3100012345001 款 账 号 3100056780001", "人 人",
                         "开户行 维岭银行上海陆家嘴支行 开户行 维岭银行上海徐汇支行", "大写",
                         "人民币壹仟零壹元整 ￥1001.00", "金额", "用途 运输服务费",
                         "备注： 合同号 HT-118 此凭证仅供参考，不做正式入账依据。", "十一月结算",
                         "凭证状态[银行受理成功]"}));
  const QString all = PdfCharacters(pdf);
  EXPECT_TRUE(InOrder(all, {"凭证号：0000317001", "人民币壹仟零壹元整", "凭证状态[银行受理成功]",
                            "主管：陈志远复核：王建国制单：李晓梅", "凭证号：0000317002",
                            "人民币壹仟零贰元整", "十一月结算主管：陈志远", "凭证号：0000317003",
                            "人民币壹仟零叁元整", "凭证状态[银行受理中]主管："}));
  EXPECT_EQ(all.count("凭证状态"), 2);
}

TEST(FileVoucher, detailRowsPrintBlankSignaturesAndFiftyRowsFillSeventeenPages) {
  TempAppDir dir;
  TFormHisDetailRep vouchers;
  vouchers.Signatures = false;
  for (int row = 1; row <= 50; ++row) vouchers.Vouchers.append(Voucher(row, ""));
  const QString pdf = Written(vouchers, dir);
  EXPECT_EQ(PdfPages(pdf), 17);  // three vouchers a page
  const QString all = PdfCharacters(pdf);
  EXPECT_EQ(all.count("维岭银行电子转账凭证"), 50);
  for (const char* blank : {"主管", "复核", "制单", "陈志远", "凭证状态"})
    EXPECT_FALSE(all.contains(blank)) << blank;
}

TEST(FileVoucher, aLongNameOrBankWrapsInsideItsBox) {
  TempAppDir dir;
  TFormHisDetailRep vouchers{{Voucher(1, "")}};
  TTransferVoucher& v = vouchers.Vouchers[0];
  v.Payer.Name = "维岭示范贸易有限公司长三角区域供应链管理与国际物流服务中心";
  v.Payee.Bank = "维岭银行股份有限公司上海市分行营业部浦东新区张江高科技园区支行";
  // The words (lines) of each box, whole, each ending before the box does: the
  // payer's block at the middle of the page, the payee's at the right margin
  // (A4 is 595.3 points wide, the margin 15 mm).
  const QString boxes = RunPoppler("pdftotext", {"-bbox", Written(vouchers, dir), "-"});
  const QRegularExpression word(R"re(xMax="([\d.]+)"[^>]*>([^<]+)</word>)re");
  QStringList name;
  QStringList bank;
  for (const auto& match : word.globalMatch(boxes)) {
    const double right = match.captured(1).toDouble();
    if (v.Payer.Name.contains(match.captured(2))) {
      name << match.captured(2);
      EXPECT_LT(right, 595.3 / 2) << match.captured(2).toStdString();
    } else if (v.Payee.Bank.contains(match.captured(2))) {
      bank << match.captured(2);
      EXPECT_LT(right, 595.3 - 42.5) << match.captured(2).toStdString();
    }
  }
  EXPECT_GE(name.size(), 2);
  EXPECT_EQ(name.join(""), v.Payer.Name);
  EXPECT_GE(bank.size(), 2);
  EXPECT_EQ(bank.join(""), v.Payee.Bank);
}

}  // namespace
