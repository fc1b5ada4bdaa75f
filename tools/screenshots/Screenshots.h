#pragma once

#include <QString>
#include <QStringList>

class TClientProgram;
class TScriptedPrompts;

// What the pictures of the documentation need, from the command line:
//   --screenshot FILE               the main window
//   --screenshot-logon FILE         the logon dialog, filled
//   --screenshot-announcement FILE  the announcement window shown after the logon
//   --screenshot-ubank FILE         the update dialog of the other-bank code tables
//   --screenshot-ubankno FILE       the interbank-number dialog with a branch chosen
//   --screenshot-payees FILE        the main window showing the payee register
//   --screenshot-defpayee-own FILE  the payee dialog on a registered payee of this bank
//   --screenshot-defpayee-other FILE  the payee dialog on a registered payee of another bank
//   --screenshot-batch FILE         the main window showing a batch of demo documents
//   --screenshot-batch-failures FILE  the batch screen after a partly rejected
//                                   submission (needs --logon; the transaction
//                                   password comes from B2B_DEMO_TXPASSWORD)
//   --screenshot-template FILE      the template editor on the demo salary template
//   --screenshot-payfile FILE       the main window showing the agent-pay screen
//                                   with the demo salary workbook imported (and,
//                                   with --logon, 批量代发 chosen)
//   --screenshot-pay-confirm FILE   the confirmation of the demo salary upload
//                                   (needs --logon; the transaction password comes
//                                   from B2B_DEMO_TXPASSWORD), then confirmed
//   --screenshot-pay-wait FILE      the waiting dialog of an upload the bank
//                                   processes later (needs --logon), then closed
//   --screenshot-pay-results FILE   the main window showing the result-download
//                                   screen with the successful salary documents of
//                                   the month (needs --logon)
//   --screenshot-pay-outcomes FILE  the main window showing the result-browse screen
//                                   on the failed records of the first of them,
//                                   downloaded into the demo's dfdk (needs --logon)
//   --screenshot-detail-file FILE   the main window showing the account-detail file
//                                   screen on the demo file of statements/
//   --screenshot-deal-file FILE     the same for the transfer-flow file screen
//   --screenshot-detail-link FILE   the main window showing the online account-detail
//                                   query with ten days of the first account and a
//                                   credit row's receipt (needs --logon)
//   --screenshot-deal-link FILE     the online transfer-flow query with a successful
//                                   document's receipt (needs --logon)
//   --screenshot-param-download FILE  the parameter download dialog with the
//                                   company's agent-pay templates (needs --logon)
//   --screenshot-certpay FILE       the main window showing the central-finance
//                                   payment-file editor with the demo documents
//   --screenshot-certpay-document FILE  its document dialog on the second of them
//   --screenshot-certpay-payees FILE  the main window showing the central-finance
//                                   payee register
//   --logon CUST OPER               log on first, with the password taken from the
//                                   environment variable B2B_DEMO_PASSWORD
// Every prompt is answered with its default, so nothing waits for a clerk.
struct TScreenshotOptions {
  QString MainWindowFile;
  QString LogonDialogFile;
  QString AnnouncementFile;
  QString UBankDialogFile;
  QString UBankNoDialogFile;
  QString PayeeRegisterFile;
  QString OwnBankPayeeFile;
  QString OtherBankPayeeFile;
  QString BatchFile;
  QString BatchFailuresFile;
  QString SelectPayerFile;
  QString SelectPayeeFile;
  QString TemplateFile;
  QString PayFile;
  QString PayConfirmFile;
  QString PayWaitFile;
  QString PayResultsFile;
  QString PayOutcomesFile;
  QString DetailFileFile;
  QString DealFileFile;
  QString DetailLinkFile;
  QString DealLinkFile;
  QString ParamDownloadFile;
  QString CertPayFile;
  QString CertPayDocumentFile;
  QString CertPayeeRegisterFile;
  QString CustId;
  QString OperId;

  bool Any() const {
    return !MainWindowFile.isEmpty() || !LogonDialogFile.isEmpty() || !AnnouncementFile.isEmpty() ||
           !UBankDialogFile.isEmpty() || !UBankNoDialogFile.isEmpty() ||
           !PayeeRegisterFile.isEmpty() || !OwnBankPayeeFile.isEmpty() ||
           !OtherBankPayeeFile.isEmpty() || !BatchFile.isEmpty() || !BatchFailuresFile.isEmpty() ||
           !SelectPayerFile.isEmpty() || !SelectPayeeFile.isEmpty() || !TemplateFile.isEmpty() ||
           !PayFile.isEmpty() || !PayConfirmFile.isEmpty() || !PayWaitFile.isEmpty() ||
           !PayResultsFile.isEmpty() || !PayOutcomesFile.isEmpty() || !DetailFileFile.isEmpty() ||
           !DealFileFile.isEmpty() || !DetailLinkFile.isEmpty() || !DealLinkFile.isEmpty() ||
           !ParamDownloadFile.isEmpty() || !CertPayFile.isEmpty() ||
           !CertPayDocumentFile.isEmpty() || !CertPayeeRegisterFile.isEmpty();
  }
  bool LogsOn() const { return !CustId.isEmpty(); }
};

TScreenshotOptions ParseScreenshotOptions(const QStringList& arguments);

// Shows the main window at a fixed size, takes the pictures once it is laid out
// and ends the program (exit code 1 when a picture or the logon failed). The
// program's prompts are the scripted ones given.
void TakeScreenshots(TClientProgram& program, TScriptedPrompts& prompts,
                     const TScreenshotOptions& options);
