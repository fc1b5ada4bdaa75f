#include "statements/screens/ReceiptPrinting.h"

#include <QByteArray>
#include <QString>

#include "core/ServerPaths.h"
#include "platform/errors/ClerkError.h"
#include "platform/printing/Report.h"
#include "platform/prompts/Prompts.h"
#include "session/transport/GetData.h"

void PrintReceipt(TPrompts& prompts, const TPrintLayout& layout, TReceiptOutput output,
                  std::function<void()> afterPrint) {
  TReport report(layout);
  report.SetTitle(QStringLiteral("维岭银行网上银行电子回单"));
  report.SetAfterPrint(std::move(afterPrint));
  if (output == TReceiptOutput::Preview)
    report.Preview(prompts);
  else
    report.Print(prompts);
}

void SendPrintReport(TPrompts& prompts, const QString& url, const QByteArray& body) {
  try {
    TGetData::Post(url, body, FormContentTypeHeader());
  } catch (const TClerkError& e) {
    prompts.ShowStatus(QStringLiteral("打印次数未能报告给银行：") + e.Message());
  }
}
