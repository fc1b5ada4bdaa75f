#include "app/Screenshots.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>

#include "platform/prompts/ScriptedPrompts.h"
#include "session/BankSession.h"
#include "session/LogonDialog.h"
#include "session/Secret.h"
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

}  // namespace

TScreenshotOptions ParseScreenshotOptions(const QStringList& arguments) {
  TScreenshotOptions options;
  options.MainWindowFile = ValueAfter(arguments, "--screenshot");
  options.LogonDialogFile = ValueAfter(arguments, "--screenshot-logon");
  options.AnnouncementFile = ValueAfter(arguments, "--screenshot-announcement");
  options.CustId = ValueAfter(arguments, "--logon", 1);
  options.OperId = ValueAfter(arguments, "--logon", 2);
  return options;
}

void TakeScreenshots(TFormMain& formMain, TBankSession& session,
                     const TScreenshotOptions& options) {
  formMain.resize(1280, 800);
  formMain.show();
  QTimer::singleShot(500, &formMain, [&formMain, &session, options] {
    bool ok = true;
    if (!options.LogonDialogFile.isEmpty()) ok = ShootLogonDialog(formMain, session, options) && ok;
    if (options.LogsOn()) ok = LogOn(formMain, session, options) && ok;
    if (!options.MainWindowFile.isEmpty()) ok = Save(formMain, options.MainWindowFile) && ok;
    QApplication::exit(ok ? 0 : 1);
  });
}
