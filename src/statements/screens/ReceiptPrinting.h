#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QWidget;
class TPrintLayout;
class TPrompts;

enum class TReceiptOutput { Preview, Printer };

// An electronic receipt titled "维岭银行网上银行电子回单" in the preview window
// or through the print dialog; afterPrint runs after every printing, from the
// preview too.
void PrintReceipt(TPrompts& prompts, const TPrintLayout& layout, TReceiptOutput output,
                  std::function<void()> afterPrint);

// A report the bank takes after a printing: sent without looking at the reply;
// a failure is noted in the status bar and changes nothing.
void SendPrintReport(TPrompts& prompts, const QString& url, const QByteArray& body);
