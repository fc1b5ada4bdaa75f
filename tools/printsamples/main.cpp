#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "core/TextHelpers.h"
#include "platform/files/FileError.h"
#include "platform/printing/Report.h"
#include "statements/printing/DealReceiptLayout.h"
#include "statements/printing/DetailReceiptLayout.h"
#include "statements/printing/FileVoucherLayout.h"

// Writes the three print layouts, filled with the demo company's values, as
// print-detail-receipt.pdf, print-deal-receipt.pdf and print-file-voucher.pdf
// into the folder given.
namespace {

const TPartyBlock kDemoCompany{QStringLiteral("维岭示范贸易有限公司"),
                               QStringLiteral("3100012345001"),
                               QStringLiteral("维岭银行上海陆家嘴支行")};
const TPartyBlock kLogistics{QStringLiteral("上海恒远物流有限公司"),
                             QStringLiteral("3100056780001"),
                             QStringLiteral("维岭银行上海徐汇支行")};
const TPartyBlock kSoftware{QStringLiteral("北京博文信息技术有限公司"),
                            QStringLiteral("1100023450001"),
                            QStringLiteral("维岭银行北京海淀科技园支行")};
const TPartyBlock kPackaging{QStringLiteral("广州华南包装材料有限公司"),
                             QStringLiteral("4400078900001"),
                             QStringLiteral("维岭银行广州天河支行")};

TFormHisDetailRepLink DetailReceipt() {
  TFormHisDetailRepLink r;
  r.Currency = QStringLiteral("人民币");
  r.Date = QStringLiteral("20261128");
  r.VoucherNo = QStringLiteral("0000318842");
  r.SerialNo = QStringLiteral("HX202611280015327");
  r.Payer = kDemoCompany;
  r.Payee = kLogistics;
  r.Money = QStringLiteral("12860.50");
  r.AmountInWords = AmountInWords(r.Money);
  r.Amount = QStringLiteral("￥") + r.Money + QStringLiteral("元");
  r.Purpose = QStringLiteral("十一月运输服务费");
  r.CashFlag = QStringLiteral("钞");
  r.PrintCountLine = QStringLiteral("第2次补打。");
  return r;
}

TFormHisDealRepLink DealReceipt() {
  TFormHisDealRepLink r;
  r.Currency = QStringLiteral("人民币");
  r.Date = QStringLiteral("20261126");
  r.VoucherNo = QStringLiteral("0000317065");
  r.Payer = kDemoCompany;
  r.Payee = kSoftware;
  r.AmountInWords = AmountInWords(u"48000.00");
  r.Amount = QStringLiteral("￥48000.00元");
  r.Purpose = QStringLiteral("服务费");
  r.CheckCode = QStringLiteral("7F3A92C1");
  r.Maker = QStringLiteral("李晓梅");
  r.Status = QStringLiteral("银行受理成功");
  r.Checker = QStringLiteral("王建国");
  r.Approver = QStringLiteral("陈志远");
  r.PrintCountLine = QStringLiteral("第1次补打。");
  return r;
}

TTransferVoucher Voucher(const QString& no, const TPartyBlock& payee, const QString& amount,
                         const QString& purpose, const QString& status) {
  TTransferVoucher v;
  v.Date = QStringLiteral("2026-11-26");
  v.VoucherNo = no;
  v.Payer = kDemoCompany;
  v.Payee = payee;
  v.AmountInWords = QStringLiteral("人民币") + AmountInWords(amount);
  v.Amount = QStringLiteral("￥") + amount;
  v.Purpose = purpose;
  v.Remark1 = QStringLiteral("合同号 HT-2026-118");
  v.Remark2 = QStringLiteral("十一月结算");
  v.Status = QStringLiteral("凭证状态[") + status + u']';
  v.Approver = QStringLiteral("陈志远");
  v.Checker = QStringLiteral("王建国");
  v.Maker = QStringLiteral("李晓梅");
  return v;
}

bool Write(const TPrintLayout& layout, const QString& title, const QString& path) {
  TReport report(layout);
  report.SetTitle(title);
  try {
    report.WritePdf(path);
    std::printf("Wrote %s\n", qPrintable(path));
    return true;
  } catch (const TFileError& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return false;
  }
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: printsamples FOLDER\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  const TFormHisDetailRepLink detail = DetailReceipt();
  const TFormHisDealRepLink deal = DealReceipt();
  TFormHisDetailRep vouchers;
  vouchers.Vouchers = {Voucher(QStringLiteral("0000317065"), kSoftware, QStringLiteral("48000.00"),
                               QStringLiteral("服务费"), QStringLiteral("银行受理成功")),
                       Voucher(QStringLiteral("0000317066"), kPackaging, QStringLiteral("9350.80"),
                               QStringLiteral("办公用品采购"), QStringLiteral("银行受理成功")),
                       Voucher(QStringLiteral("0000317071"), kLogistics, QStringLiteral("12860.50"),
                               QStringLiteral("运输服务费"), QStringLiteral("银行受理中"))};

  const QString receiptTitle = QStringLiteral("维岭银行网上银行电子回单");
  bool ok = Write(TDetailReceiptLayout(detail), receiptTitle,
                  folder.filePath(QStringLiteral("print-detail-receipt.pdf")));
  ok = Write(TDealReceiptLayout(deal), receiptTitle,
             folder.filePath(QStringLiteral("print-deal-receipt.pdf"))) &&
       ok;
  ok = Write(TFileVoucherLayout(vouchers), QStringLiteral("电子转账凭证打印"),
             folder.filePath(QStringLiteral("print-file-voucher.pdf"))) &&
       ok;
  return ok ? 0 : 1;
}
