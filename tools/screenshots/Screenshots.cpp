#include "screenshots/Screenshots.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>

#include "agentpay/screens/FormSubstPayRetDownLoad.h"
#include "agentpay/screens/FormTemplate.h"
#include "agentpay/screens/PaySubmitPanel.h"
#include "agentpay/screens/fmPayFile.h"
#include "agentpay/screens/fmPayoutcomefile.h"
#include "batch/screens/FormBatch.h"
#include "batch/screens/fmSelectPayee.h"
#include "batch/screens/fmSelectPayer.h"
#include "certpay/screens/FormCertPay.h"
#include "certpay/screens/FormDefCertPay.h"
#include "platform/prompts/ScriptedPrompts.h"
#include "registers/screens/FormDefPayee.h"
#include "registers/screens/FormSelectUBank.h"
#include "registers/screens/FormUBank.h"
#include "session/screens/BankSession.h"
#include "session/screens/fmLogon.h"
#include "session/screens/frmDlClParam.h"
#include "shell/ClientProgram.h"
#include "statements/screens/fmDealBrowserFile.h"
#include "statements/screens/fmDealBrowserFileLink.h"
#include "statements/screens/fmDetailBrowserFile.h"
#include "statements/screens/fmDetailBrowserFileLink.h"
#include "widgets/grid/MapleGrid.h"

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
  dialog.findChild<QLineEdit*>(QStringLiteral("edtCustId"))->setText(options.CustId);
  dialog.findChild<QLineEdit*>(QStringLiteral("EdtOperId"))->setText(options.OperId);
  // The field holds the only copy, which the dialog wipes when it is done.
  dialog.findChild<QLineEdit*>(QStringLiteral("edtLogpwd"))
      ->setText(qEnvironmentVariable("B2B_DEMO_PASSWORD"));
}

void PressLogin(QDialog& dialog) {
  dialog.findChild<QPushButton*>(QStringLiteral("btnLogin"))->click();
}

// The pictures of one run, taken from the program of the run.
class TShooter {
 public:
  TShooter(TClientProgram& program, TScriptedPrompts& prompts, const TScreenshotOptions& options)
      : program_(program), main_(program.MainWindow()), prompts_(prompts), options_(options) {}

  bool ShootAll() {
    bool ok = true;
    if (!options_.LogonDialogFile.isEmpty()) ok = ShootLogonDialog() && ok;
    ok = ShootUBankDialogs() && ok;
    ok = ShootRegisterScreens() && ok;
    if (options_.LogsOn()) ok = LogOn() && ok;
    if (!options_.MainWindowFile.isEmpty()) ok = Save(main_, options_.MainWindowFile) && ok;
    if (!options_.BatchFile.isEmpty()) ok = ShootBatch() && ok;
    if (!options_.TemplateFile.isEmpty()) ok = ShootTemplateEditor() && ok;
    if (!options_.PayFile.isEmpty()) ok = ShootPayFile() && ok;
    if (!options_.PayConfirmFile.isEmpty() || !options_.PayWaitFile.isEmpty())
      ok = options_.LogsOn() && ShootPaySubmission() && ok;
    if (!options_.BatchFailuresFile.isEmpty()) ok = options_.LogsOn() && ShootBatchFailures() && ok;
    if (!options_.DetailFileFile.isEmpty())
      ok = ShootStatementFile(3, options_.DetailFileFile) && ok;
    if (!options_.DealFileFile.isEmpty()) ok = ShootStatementFile(4, options_.DealFileFile) && ok;
    if (!options_.ParamDownloadFile.isEmpty()) ok = options_.LogsOn() && ShootParamDownload() && ok;
    if (!options_.DetailLinkFile.isEmpty()) ok = options_.LogsOn() && ShootDetailLink() && ok;
    if (!options_.DealLinkFile.isEmpty()) ok = options_.LogsOn() && ShootDealLink() && ok;
    if (!options_.PayResultsFile.isEmpty() || !options_.PayOutcomesFile.isEmpty())
      ok = options_.LogsOn() && ShootPayResults() && ok;
    ok = ShootCertPay() && ok;
    return ok;
  }

 private:
  QString ParamDir() const {
    return QDir(program_.Data().Paths().AppDir()).filePath(QStringLiteral("param"));
  }

  TRegisterContext Registers() const {
    return {main_.ScreenServices(), program_.Data().Registers, &TSpreadsheetApp::Start};
  }

  static bool ShootDialog(QDialog& dialog, const QString& file) {
    dialog.show();
    const bool saved = Save(dialog, file);
    dialog.reject();
    return saved;
  }

  bool ShootLogonDialog() {
    TBankSession& session = program_.Session();
    TfmLogon dialog(session.Server(), session.User(), prompts_, &main_);
    Fill(dialog, options_);
    return ShootDialog(dialog, options_.LogonDialogFile);
  }

  bool LogOn() {
    bool saved = true;
    prompts_.AnswerModal([this](QDialog& dialog) {
      Fill(dialog, options_);
      PressLogin(dialog);
      return dialog.result();
    });
    prompts_.AnswerModal([this, &saved](QDialog& dialog) {
      if (!options_.AnnouncementFile.isEmpty()) {
        dialog.show();
        saved = Save(dialog, options_.AnnouncementFile);
      }
      return int(QDialog::Accepted);
    });
    main_.btnEnterClick();
    if (!program_.Session().IsLoggedOn()) {
      for (const TScriptedMessage& message : prompts_.Messages())
        std::fprintf(stderr, "%s\n", qPrintable(message.Text));
      std::fprintf(stderr, "the logon failed\n");
      return false;
    }
    return saved;
  }

  bool ShootUBankDialogs() {
    bool ok = true;
    if (!options_.UBankDialogFile.isEmpty()) {
      TFormUBank dialog(prompts_, ParamDir(), &main_);
      ok = ShootDialog(dialog, options_.UBankDialogFile) && ok;
    }
    if (!options_.UBankNoDialogFile.isEmpty()) {
      TFormSelectUBank dialog(prompts_, ParamDir(), &main_);
      // A bank, province, city and branch of the demo code tables.
      dialog.SelectForShow(QStringLiteral("321"), QStringLiteral("上海市"), QStringLiteral("2900"),
                           QStringLiteral("321290000027"));
      ok = ShootDialog(dialog, options_.UBankNoDialogFile) && ok;
    }
    return ok;
  }

  // The first registered payee of this bank ("1") or of another bank ("0")
  // whose branch was chosen from the code tables.
  const TPayeeInfo* DemoPayee(const QString& isNVX) const {
    for (const TPayeeInfo& payee : program_.Data().Registers.Payees)
      if (payee.IsNVX == isNVX && !payee.UbankNo.isEmpty()) return &payee;
    return nullptr;
  }

  bool ShootPayeeDialog(const QString& isNVX, const QString& file) {
    const TPayeeInfo* registered = DemoPayee(isNVX);
    if (!registered) {
      std::fprintf(stderr, "no demo payee for %s\n", qPrintable(file));
      return false;
    }
    TPayeeInfo payee = *registered;
    TFormDefPayee dialog(Registers(), &main_);
    dialog.ShowPayee(payee, TFormDefPayee::TMode::Register);
    return ShootDialog(dialog, file);
  }

  bool ShootRegisterScreens() {
    bool ok = true;
    if (!options_.OwnBankPayeeFile.isEmpty())
      ok = ShootPayeeDialog(QStringLiteral("1"), options_.OwnBankPayeeFile) && ok;
    if (!options_.OtherBankPayeeFile.isEmpty())
      ok = ShootPayeeDialog(QStringLiteral("0"), options_.OtherBankPayeeFile) && ok;
    if (!options_.SelectPayerFile.isEmpty()) {
      TfmSelectPayer dialog(Registers(), &main_);
      dialog.ShowList(QString(), QString());
      dialog.resize(dialog.WholeListSize());  // the offscreen screen is narrower than a desktop
      ok = ShootDialog(dialog, options_.SelectPayerFile) && ok;
    }
    if (!options_.SelectPayeeFile.isEmpty()) {
      TfmSelectPayee dialog(Registers(), &main_);
      dialog.ShowList(QString());
      dialog.resize(dialog.WholeListSize());  // the offscreen screen is narrower than a desktop
      ok = ShootDialog(dialog, options_.SelectPayeeFile) && ok;
    }
    if (!options_.PayeeRegisterFile.isEmpty()) {
      main_.ShowScreen(10);
      ok = Save(main_, options_.PayeeRegisterFile) && ok;
    }
    return ok;
  }

  // Three documents from the demo registers: two to payees of this bank and
  // one to a payee of another bank; withRejected leaves out that payee's
  // interbank number, which the bank refuses, and otherwise a fourth document
  // carries the largest amount the list shows in full.
  void FillDemoBatch(TFormBatch& screen, bool withRejected) {
    TRegisterStore& registers = program_.Data().Registers;
    TBatch& batch = screen.Batch();
    batch.Clear();
    const TPayerInfo* payer = registers.FindPayer(QStringLiteral("3100012345001"));
    if (!payer && !registers.Payers.IsEmpty()) payer = &registers.Payers[0];
    if (!payer) return;
    const QString amounts[] = {QStringLiteral("15000"), QStringLiteral("2680.5"),
                               QStringLiteral("980")};
    const QString usages[] = {QStringLiteral("货款"), QStringLiteral("工资"),
                              QStringLiteral("服务费")};
    QList<const TPayeeInfo*> payees;
    for (const TPayeeInfo& payee : registers.Payees)
      if (payee.IsNVX == QLatin1String("1") && payees.size() < 2) payees << &payee;
    if (const TPayeeInfo* other = DemoPayee(QStringLiteral("0"))) payees << other;
    for (qsizetype i = 0; i < payees.size(); ++i) {
      auto doc = std::make_unique<TPayMoneyInfo>();
      doc->Payer = *payer;
      doc->Payee = *payees[i];
      if (withRejected && doc->Payee.IsNVX != QLatin1String("1")) doc->Payee.UbankNo.clear();
      doc->Money = TAmount::Parse(amounts[i]).value_or(TAmount());
      doc->Usage = usages[i];
      batch.Append(std::move(doc));
    }
    if (!withRejected && !payees.isEmpty()) {
      auto doc = std::make_unique<TPayMoneyInfo>();
      doc->Payer = *payer;
      doc->Payee = *payees[0];
      doc->Money = TAmount::Parse(u"99999999999.99").value_or(TAmount());
      doc->Usage = QStringLiteral("设备采购");
      batch.Append(std::move(doc));
    }
    screen.Refresh();
  }

  TFormBatch* ShowBatchScreen() {
    main_.ShowScreen(0);
    return qobject_cast<TFormBatch*>(main_.ScreenInstance(0));
  }

  bool ShootBatch() {
    TFormBatch* screen = ShowBatchScreen();
    if (!screen) return false;
    FillDemoBatch(*screen, false);
    return Save(main_, options_.BatchFile);
  }

  // Submits a batch the bank partly refuses, every message answered with its
  // default, and shows the list of refused documents.
  bool ShootBatchFailures() {
    TFormBatch* screen = ShowBatchScreen();
    if (!screen) return false;
    FillDemoBatch(*screen, true);
    screen->findChild<QLineEdit*>(QStringLiteral("edtPassword"))
        ->setText(qEnvironmentVariable("B2B_DEMO_TXPASSWORD"));
    const std::size_t before = prompts_.Messages().size();
    screen->btnSubmitClick();
    const auto& messages = prompts_.Messages();
    if (messages.size() == before || messages.back().Caption != TPrompts::kWarningCaption) {
      for (std::size_t i = before; i < messages.size(); ++i)
        std::fprintf(stderr, "%s\n", qPrintable(messages[i].Text));
      std::fprintf(stderr, "the submission was not partly refused\n");
      return false;
    }
    return Save(main_, options_.BatchFailuresFile);
  }

  QString DemoPayFile(const char* name) const {
    return QDir(program_.Data().Paths().DfdkDir()).filePath(QString::fromUtf8(name));
  }

  bool ShootTemplateEditor() {
    TFormTemplate editor(prompts_, program_.Data().Paths().DfdkDir(), nullptr, &main_);
    prompts_.AnswerFile(DemoPayFile("代发工资模板.xml"));
    editor.btnOpenClick();
    return ShootDialog(editor, options_.TemplateFile);
  }

  TfmPayFile* ShowPayScreen() {
    main_.ShowScreen(1);
    return qobject_cast<TfmPayFile*>(main_.ScreenInstance(1));
  }

  // The demo salary workbook imported through the active template, its data
  // rows chosen in the row-range dialog; logged on, 批量代发 chosen.
  bool ShootPayFile() {
    TfmPayFile* screen = ShowPayScreen();
    if (!screen) return false;
    prompts_.AnswerFile(DemoPayFile("代发工资表.xlsx"));
    prompts_.AnswerModal([](QDialog& dialog) {
      dialog.findChild<QLineEdit*>(QStringLiteral("edtBegin"))->setText(QStringLiteral("3"));
      dialog.findChild<QLineEdit*>(QStringLiteral("edtEnd"))->setText(QStringLiteral("14"));
      return int(QDialog::Accepted);
    });
    screen->btnImportExcelClick();
    if (screen->Records().Count() == 0) {
      std::fprintf(stderr, "the demo salary workbook was not imported\n");
      return false;
    }
    if (options_.LogsOn()) screen->SubmitPanel().rgIsPayModeClick(0);
    return Save(main_, options_.PayFile);
  }

  // The imported lines submitted as 工资代发 and confirmed, then as 奖金代发,
  // whose file the bank processes while the client waits (closed unconfirmed).
  bool ShootPaySubmission() {
    TfmPayFile* screen = ShowPayScreen();
    if (!screen || screen->Records().Lines().isEmpty()) return false;
    TPaySubmitPanel& panel = screen->SubmitPanel();
    auto* items = panel.findChild<QComboBox*>(QStringLiteral("cmbItem"));
    bool ok = true;
    if (!options_.PayConfirmFile.isEmpty()) {
      panel.rgIsPayModeClick(0);
      prompts_.AnswerModal([this, &ok](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("edtPassword"))
            ->setText(qEnvironmentVariable("B2B_DEMO_TXPASSWORD"));
        dialog.show();
        ok = Save(dialog, options_.PayConfirmFile) && ok;
        dialog.findChild<QPushButton*>(QStringLiteral("btnOk"))->click();
        return dialog.result();
      });
      panel.SubmitButton()->click();
      if (!prompts_.LastMessage().Text.contains(QStringLiteral("凭证号："))) {
        std::fprintf(stderr, "%s\nthe demo salary upload was not confirmed\n",
                     qPrintable(prompts_.LastMessage().Text));
        ok = false;
      }
    }
    if (!options_.PayWaitFile.isEmpty()) {
      panel.rgIsPayModeClick(0);
      items->setCurrentIndex(items->findText(QStringLiteral("奖金代发")));
      panel.cmbItemChange();
      bool shown = false;
      prompts_.AnswerModal([this, &ok, &shown](QDialog& dialog) {
        dialog.show();
        shown = true;
        ok = Save(dialog, options_.PayWaitFile) && ok;
        return int(QDialog::Rejected);
      });
      panel.SubmitButton()->click();
      ok = shown && ok;
    }
    return ok;
  }

  // The parameter download with the agent-pay template list chosen.
  bool ShootParamDownload() {
    TfrmDlClParam dialog(prompts_, program_.Session(), &main_);
    dialog.findChild<QRadioButton*>(QStringLiteral("rbMode"))->setChecked(true);
    return ShootDialog(dialog, options_.ParamDownloadFile);
  }

  // The first record of the table whose field holds the text, 0 for none.
  static int RecordWith(const StatementTable& table, const QString& field, const QString& text) {
    for (int recNo = 1; recNo <= table.RowCount(); ++recNo)
      if (table.Text(recNo, field) == text) return recNo;
    return 0;
  }

  bool ShootDetailLink() {
    main_.ShowScreen(6);
    auto* screen = qobject_cast<TfmDetailBrowserFileLink*>(main_.ScreenInstance(6));
    if (!screen) return false;
    screen->findChild<QComboBox*>(QStringLiteral("cmbAcc"))->setCurrentIndex(0);
    screen->findChild<QLineEdit*>(QStringLiteral("edtBeginDate"))
        ->setText(QDate::currentDate().addDays(-9).toString(QStringLiteral("yyyyMMdd")));
    screen->SpeedButtonQueryClick();
    const int credit =
        RecordWith(screen->Table(), QStringLiteral("借贷标志"), QStringLiteral("贷方"));
    if (credit == 0) {
      std::fprintf(stderr, "the bank listed no credit in ten days\n");
      return false;
    }
    screen->DBGrid1CellClick(credit);
    return Save(main_, options_.DetailLinkFile);
  }

  bool ShootDealLink() {
    main_.ShowScreen(7);
    auto* screen = qobject_cast<TfmDealBrowserFileLink*>(main_.ScreenInstance(7));
    if (!screen) return false;
    screen->findChild<QLineEdit*>(QStringLiteral("edtBeginDate"))->clear();
    screen->findChild<QLineEdit*>(QStringLiteral("edtEndDate"))->clear();
    screen->SpeedButtonQueryClick();
    const int done =
        RecordWith(screen->Table(), QStringLiteral("状态"), QStringLiteral("交易成功"));
    if (done == 0) {
      std::fprintf(stderr, "the bank listed no successful transfer\n");
      return false;
    }
    screen->DBGrid1CellClick(done);
    return Save(main_, options_.DealLinkFile);
  }

  // A statement file screen on its demo file, the first row shown as a voucher.
  bool ShootStatementFile(int code, const QString& file) {
    main_.ShowScreen(code);
    const QString demo = QDir(program_.Data().Paths().AppDir())
                             .filePath(code == 3 ? QStringLiteral("statements/账户明细示例.csv")
                                                 : QStringLiteral("statements/转账流水示例.txt"));
    prompts_.AnswerFile(demo);
    if (auto* detail = qobject_cast<TfmDetailBrowserFile*>(main_.ScreenInstance(code)))
      detail->FlatButton1Click();
    else if (auto* deal = qobject_cast<TfmDealBrowserFile*>(main_.ScreenInstance(code)))
      deal->SpeedButton1Click();
    else
      return false;
    return Save(main_, file);
  }

  // The month's successful salary documents; the failed records of the first
  // one downloaded and shown under the demo template.
  bool ShootPayResults() {
    main_.ShowScreen(14);
    auto* results = qobject_cast<TFormSubstPayRetDownLoad*>(main_.ScreenInstance(14));
    if (!results) return false;
    results->btnQueryClick();
    if (results->Table().Docs().isEmpty()) {
      std::fprintf(stderr, "the bank listed no salary documents\n");
      return false;
    }
    bool ok = options_.PayResultsFile.isEmpty() || Save(main_, options_.PayResultsFile);
    if (options_.PayOutcomesFile.isEmpty()) return ok;
    const QString failed = DemoPayFile("失败记录.txt");
    prompts_.AnswerModal([](QDialog& dialog) {
      for (QRadioButton* kind : dialog.findChildren<QRadioButton*>())
        kind->setChecked(kind->text() == QStringLiteral("失败"));
      return int(QDialog::Accepted);
    });
    prompts_.AnswerFile(failed);
    results->findChild<TMapleGrid*>(QStringLiteral("grdDocs"))->SelectRows(0, 0);
    results->btnDownloadClick();
    main_.ShowScreen(2);
    auto* outcomes = qobject_cast<TfmPayoutcomefile*>(main_.ScreenInstance(2));
    if (!outcomes || !QFileInfo::exists(failed)) {
      std::fprintf(stderr, "the failed records were not downloaded\n");
      return false;
    }
    prompts_.AnswerFile(failed);
    outcomes->btnViewClick();
    return Save(main_, options_.PayOutcomesFile) && ok;
  }

  // The central-finance editor on the demo documents, the second of them in
  // the document dialog, and the payee register.
  bool ShootCertPay() {
    bool ok = true;
    if (!options_.CertPayFile.isEmpty() || !options_.CertPayDocumentFile.isEmpty()) {
      main_.ShowScreen(13);
      auto* editor = qobject_cast<TFormCertPay*>(main_.ScreenInstance(13));
      if (!editor || editor->Documents().Count() < 2) {
        std::fprintf(stderr, "the demo central-finance documents were not loaded\n");
        return false;
      }
      if (!options_.CertPayFile.isEmpty()) ok = Save(main_, options_.CertPayFile) && ok;
      if (!options_.CertPayDocumentFile.isEmpty()) {
        const QString paramDir = ParamDir();
        TFormDefCertPay dialog(
            {main_.ScreenServices(), program_.Data().CertPay, &TSpreadsheetApp::Start, paramDir},
            &main_);
        TUserInput doc = editor->Documents()[1];
        dialog.ShowDocument(doc);
        dialog.adjustSize();
        ok = ShootDialog(dialog, options_.CertPayDocumentFile) && ok;
      }
    }
    if (!options_.CertPayeeRegisterFile.isEmpty()) {
      main_.ShowScreen(16);
      ok = Save(main_, options_.CertPayeeRegisterFile) && ok;
    }
    return ok;
  }

  TClientProgram& program_;
  TFormMain& main_;
  TScriptedPrompts& prompts_;
  TScreenshotOptions options_;
};

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
  options.SelectPayerFile = ValueAfter(arguments, "--screenshot-select-payer");
  options.SelectPayeeFile = ValueAfter(arguments, "--screenshot-select-payee");
  options.TemplateFile = ValueAfter(arguments, "--screenshot-template");
  options.PayFile = ValueAfter(arguments, "--screenshot-payfile");
  options.PayConfirmFile = ValueAfter(arguments, "--screenshot-pay-confirm");
  options.PayWaitFile = ValueAfter(arguments, "--screenshot-pay-wait");
  options.PayResultsFile = ValueAfter(arguments, "--screenshot-pay-results");
  options.PayOutcomesFile = ValueAfter(arguments, "--screenshot-pay-outcomes");
  options.DetailFileFile = ValueAfter(arguments, "--screenshot-detail-file");
  options.DetailLinkFile = ValueAfter(arguments, "--screenshot-detail-link");
  options.ParamDownloadFile = ValueAfter(arguments, "--screenshot-param-download");
  options.DealLinkFile = ValueAfter(arguments, "--screenshot-deal-link");
  options.DealFileFile = ValueAfter(arguments, "--screenshot-deal-file");
  options.CertPayFile = ValueAfter(arguments, "--screenshot-certpay");
  options.CertPayDocumentFile = ValueAfter(arguments, "--screenshot-certpay-document");
  options.CertPayeeRegisterFile = ValueAfter(arguments, "--screenshot-certpay-payees");
  options.CustId = ValueAfter(arguments, "--logon", 1);
  options.OperId = ValueAfter(arguments, "--logon", 2);
  return options;
}

void TakeScreenshots(TClientProgram& program, TScriptedPrompts& prompts,
                     const TScreenshotOptions& options) {
  TFormMain& main = program.MainWindow();
  main.resize(1280, 800);
  main.show();
  QTimer::singleShot(500, &main, [&program, &prompts, options] {
    TShooter shooter(program, prompts, options);
    QApplication::exit(shooter.ShootAll() ? 0 : 1);
  });
}
