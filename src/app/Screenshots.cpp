#include "app/Screenshots.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>

#include "batch/screens/BatchScreen.h"
#include "platform/prompts/ScriptedPrompts.h"
#include "registers/screens/FormDefPayee.h"
#include "registers/screens/FormSelectUBank.h"
#include "registers/screens/FormUBank.h"
#include "session/BankSession.h"
#include "session/LogonDialog.h"
#include "session/Secret.h"
#include "shell/DataMain.h"
#include "shell/MainWindow.h"

namespace {

QString ValueAfter(const QStringList& arguments, const char* option, int offset = 1) {
  const qsizetype at = arguments.indexOf(QLatin1String(option));
  return at > 0 && at + offset < arguments.size() ? arguments[at + offset] : QString();
}

bool Save(QWidget& widget, const QString& file) {
  QApplication::processEvents();
  if (widget.grab().save(file)) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
  return false;
}

void Fill(QDialog& dialog, const TScreenshotOptions& options) {
  QString password = qEnvironmentVariable("B2B_DEMO_PASSWORD");
  dialog.findChild<QLineEdit*>(QStringLiteral("edtCustId"))->setText(options.CustId);
  dialog.findChild<QLineEdit*>(QStringLiteral("EdtOperId"))->setText(options.OperId);
  dialog.findChild<QLineEdit*>(QStringLiteral("edtLogpwd"))->setText(password);
  WipeSecret(password);
}

bool ShootLogonDialog(TFormMain& formMain, TBankSession& session,
                      const TScreenshotOptions& options) {
  TfmLogon dialog(session.Config(), &formMain);
  Fill(dialog, options);
  dialog.show();
  const bool saved = Save(dialog, options.LogonDialogFile);
  dialog.reject();
  return saved;
}

bool LogOn(TFormMain& formMain, TBankSession& session, const TScreenshotOptions& options) {
  TScriptedPrompts prompts;
  const TPromptsScope scope(prompts);
  bool saved = true;
  prompts.answerModal([&options](QDialog& dialog) {
    Fill(dialog, options);
    static_cast<TfmLogon&>(dialog).btnLoginClick();
    return dialog.result();
  });
  prompts.answerModal([&options, &saved](QDialog& dialog) {
    if (!options.AnnouncementFile.isEmpty()) {
      dialog.show();
      saved = Save(dialog, options.AnnouncementFile);
    }
    return int(QDialog::Accepted);
  });
  formMain.btnEnterClick();
  if (!session.IsLoggedOn()) {
    for (const TScriptedMessage& message : prompts.messages())
      std::fprintf(stderr, "%s\n", qPrintable(message.text));
    std::fprintf(stderr, "the logon failed\n");
    return false;
  }
  return saved;
}

QString ParamDir(const TFormMain& formMain) {
  return QDir(formMain.AppDir()).filePath(QStringLiteral("param"));
}

bool ShootDialog(QDialog& dialog, const QString& file) {
  dialog.show();
  const bool saved = Save(dialog, file);
  dialog.reject();
  return saved;
}

bool ShootUBankDialogs(TFormMain& formMain, const TScreenshotOptions& options) {
  bool ok = true;
  if (!options.UBankDialogFile.isEmpty()) {
    TFormUBank dialog(ParamDir(formMain), &formMain);
    ok = ShootDialog(dialog, options.UBankDialogFile) && ok;
  }
  if (!options.UBankNoDialogFile.isEmpty()) {
    TFormSelectUBank dialog(ParamDir(formMain), &formMain);
    // A bank, province, city and branch of the demo code tables.
    dialog.SelectForShow(QStringLiteral("321"), QStringLiteral("上海市"), QStringLiteral("2900"),
                         QStringLiteral("321290000027"));
    ok = ShootDialog(dialog, options.UBankNoDialogFile) && ok;
  }
  return ok;
}

// The first registered payee of this bank ("1") or of another bank ("0") whose
// branch was chosen from the code tables.
const TPayeeInfo* DemoPayee(const TDataMain& data, const QString& isNVX) {
  for (const TPayeeInfo& payee : data.Payees)
    if (payee.IsNVX == isNVX && !payee.UbankNo.isEmpty()) return &payee;
  return nullptr;
}

bool ShootPayeeDialog(TFormMain& formMain, TDataMain& data, const QString& isNVX,
                      const QString& file) {
  const TPayeeInfo* registered = DemoPayee(data, isNVX);
  if (!registered) {
    std::fprintf(stderr, "no demo payee for %s\n", qPrintable(file));
    return false;
  }
  TPayeeInfo payee = *registered;
  TFormDefPayee dialog(data, &formMain);
  dialog.ShowPayee(payee, TFormDefPayee::TMode::Register);
  return ShootDialog(dialog, file);
}

bool ShootRegisterScreens(TFormMain& formMain, TDataMain& data, const TScreenshotOptions& options) {
  bool ok = true;
  if (!options.OwnBankPayeeFile.isEmpty())
    ok = ShootPayeeDialog(formMain, data, QStringLiteral("1"), options.OwnBankPayeeFile) && ok;
  if (!options.OtherBankPayeeFile.isEmpty())
    ok = ShootPayeeDialog(formMain, data, QStringLiteral("0"), options.OtherBankPayeeFile) && ok;
  if (!options.PayeeRegisterFile.isEmpty()) {
    formMain.ShowScreen(10);
    ok = Save(formMain, options.PayeeRegisterFile) && ok;
  }
  return ok;
}

// Three documents from the demo registers: two to payees of this bank and one
// to a payee of another bank; withRejected leaves out that payee's interbank
// number, which the bank refuses.
void FillDemoBatch(TFormBatch& screen, TDataMain& data, bool withRejected) {
  TBatch& batch = screen.Batch();
  batch.Clear();
  const TPayerInfo* payer = data.FindPayer(QStringLiteral("3100012345001"));
  if (!payer && !data.Payers.IsEmpty()) payer = &data.Payers[0];
  if (!payer) return;
  const QString amounts[] = {QStringLiteral("15000"), QStringLiteral("2680.5"),
                             QStringLiteral("980")};
  const QString usages[] = {QStringLiteral("货款"), QStringLiteral("工资"),
                            QStringLiteral("服务费")};
  QList<const TPayeeInfo*> payees;
  for (const TPayeeInfo& payee : data.Payees)
    if (payee.IsNVX == QLatin1String("1") && payees.size() < 2) payees << &payee;
  if (const TPayeeInfo* other = DemoPayee(data, QStringLiteral("0"))) payees << other;
  for (qsizetype i = 0; i < payees.size(); ++i) {
    auto doc = std::make_unique<TPayMoneyInfo>();
    doc->Payer = *payer;
    doc->Payee = *payees[i];
    if (withRejected && doc->Payee.IsNVX != QLatin1String("1")) doc->Payee.UbankNo.clear();
    doc->Money = TAmount::parse(amounts[i]).value_or(TAmount());
    doc->Usage = usages[i];
    batch.Append(std::move(doc));
  }
  screen.Refresh();
}

TFormBatch* ShowBatchScreen(TFormMain& formMain) {
  formMain.ShowScreen(0);
  return qobject_cast<TFormBatch*>(formMain.ScreenInstance(0));
}

bool ShootBatch(TFormMain& formMain, TDataMain& data, const QString& file) {
  TFormBatch* screen = ShowBatchScreen(formMain);
  if (!screen) return false;
  FillDemoBatch(*screen, data, false);
  return Save(formMain, file);
}

// Submits a batch the bank partly refuses, every message answered with its
// default, and shows the list of refused documents.
bool ShootBatchFailures(TFormMain& formMain, TDataMain& data, const QString& file) {
  TFormBatch* screen = ShowBatchScreen(formMain);
  if (!screen) return false;
  FillDemoBatch(*screen, data, true);
  TScriptedPrompts prompts;
  const TPromptsScope scope(prompts);
  QString password = qEnvironmentVariable("B2B_DEMO_TXPASSWORD");
  screen->PasswordField().setText(password);
  WipeSecret(password);
  screen->btnSubmitClick();
  if (prompts.messages().empty() || prompts.messages().back().caption != QStringLiteral("警告")) {
    for (const TScriptedMessage& message : prompts.messages())
      std::fprintf(stderr, "%s\n", qPrintable(message.text));
    std::fprintf(stderr, "the submission was not partly refused\n");
    return false;
  }
  return Save(formMain, file);
}

}  // namespace

TScreenshotOptions ParseScreenshotOptions(const QStringList& arguments) {
  TScreenshotOptions options;
  options.MainWindowFile = ValueAfter(arguments, "--screenshot");
  options.LogonDialogFile = ValueAfter(arguments, "--screenshot-logon");
  options.AnnouncementFile = ValueAfter(arguments, "--screenshot-announcement");
  options.UBankDialogFile = ValueAfter(arguments, "--screenshot-ubank");
  options.UBankNoDialogFile = ValueAfter(arguments, "--screenshot-ubankno");
  options.PayeeRegisterFile = ValueAfter(arguments, "--screenshot-payees");
  options.OwnBankPayeeFile = ValueAfter(arguments, "--screenshot-defpayee-own");
  options.OtherBankPayeeFile = ValueAfter(arguments, "--screenshot-defpayee-other");
  options.BatchFile = ValueAfter(arguments, "--screenshot-batch");
  options.BatchFailuresFile = ValueAfter(arguments, "--screenshot-batch-failures");
  options.CustId = ValueAfter(arguments, "--logon", 1);
  options.OperId = ValueAfter(arguments, "--logon", 2);
  return options;
}

void TakeScreenshots(TFormMain& formMain, TBankSession& session, TDataMain& data,
                     const TScreenshotOptions& options) {
  formMain.resize(1280, 800);
  formMain.show();
  QTimer::singleShot(500, &formMain, [&formMain, &session, &data, options] {
    bool ok = true;
    if (!options.LogonDialogFile.isEmpty()) ok = ShootLogonDialog(formMain, session, options) && ok;
    ok = ShootUBankDialogs(formMain, options) && ok;
    ok = ShootRegisterScreens(formMain, data, options) && ok;
    if (options.LogsOn()) ok = LogOn(formMain, session, options) && ok;
    if (!options.MainWindowFile.isEmpty()) ok = Save(formMain, options.MainWindowFile) && ok;
    if (!options.BatchFile.isEmpty()) ok = ShootBatch(formMain, data, options.BatchFile) && ok;
    if (!options.BatchFailuresFile.isEmpty()) {
      if (options.LogsOn())
        ok = ShootBatchFailures(formMain, data, options.BatchFailuresFile) && ok;
      else
        ok = false;
    }
    QApplication::exit(ok ? 0 : 1);
  });
}
