#include "app/Screenshots.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>

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
    QApplication::exit(ok ? 0 : 1);
  });
}
