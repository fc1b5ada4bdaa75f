#include "statements/screens/VoucherPrinting.h"

#include "platform/printing/Report.h"
#include "statements/printing/FileVoucherLayout.h"

void PrintVouchers(TPrompts& prompts, const TFormHisDetailRep& vouchers, TVoucherOutput output) {
  const TFileVoucherLayout layout(vouchers);
  TReport report(layout);
  report.SetTitle(QStringLiteral("电子转账凭证打印"));
  if (output == TVoucherOutput::Preview)
    report.Preview(prompts);
  else
    report.Print(prompts);
}
