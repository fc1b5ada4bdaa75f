// N17141 and N17144 (N17 interface): the agent-pay file upload as a multipart
// form, and the polls of a file that the bank processes later.
#include <QRegularExpression>

#include "MultipartForm.h"
#include "PayFile.h"
#include "PayN17Fields.h"

namespace {

constexpr char kBigFilePath[] = "/NNVX/NECV6NEWB2BFile4BIGFILE";

// The plain file name of the SEND_FILE part, without the client's directories.
QString UploadedFileName(const TLoggedRequest& request) {
  const QByteArray boundary = MultipartBoundary(request.Header("Content-Type"));
  const auto parts = ParseMultipart(request.Body, boundary);
  if (!parts) return {};
  for (const TFormPart& part : *parts) {
    if (part.Name == "SEND_FILE") {
      return QString::fromLatin1(part.FileName)
          .section(QRegularExpression(QStringLiteral("[\\\\/]")), -1);
    }
  }
  return {};
}

TSimReply Upload(TTxContext& tx) {
  const TPayCaller caller = PayCaller(tx, true);
  if (caller.Refusal) return *caller.Refusal;
  const int modeIndex = PayModeOf(tx.Form.Bytes("SBSTRCVPY_PRJ_TPCD"));
  if (modeIndex < 0) return BadPayMode(tx);
  const TSimPayMode& mode = caller.Customer->PayModes[modeIndex];
  const TSimPayItem* item = mode.FindItem(tx.Form.Text("Entrst_Prj_ID"));
  if (!item) return UnknownItem(tx);
  const TSimPayUse* use = mode.FindUse(*item, tx.Form.Text("Prj_Use_ID"));
  if (!use) return UnknownUse(tx);
  const std::optional<TSimReply> mismatch = CheckEchoed(tx, {{"VCHR_TP_CODE", QStringLiteral("1")},
                                                             {"Prj_Use_Nm", use->Name, true},
                                                             {"Py_Per_Qot", mode.PyPerQot},
                                                             {"ISBIGFILE", mode.IsBigFile},
                                                             {"SIGNDAT", mode.SignDat},
                                                             {"CCY_ID", QStringLiteral("156")}});
  if (mismatch) return *mismatch;
  const QByteArray content = tx.Form.Bytes("SEND_FILE");
  const TPayFile file = ReadPayFile(content, item->AmountField);
  if (file.Lines.isEmpty()) {
    return tx.Error(QStringLiteral("EBLN0005"), QStringLiteral("上传文件中没有转账数据"));
  }

  TPayDocument& document = KeepUpload(tx, caller, modeIndex, *item, *use, content, file);
  document.OrigFileName = UploadedFileName(tx.Request);
  document.FileError = item->FileError || file.ErrorLine > 0;

  TXmlElement root{QStringLiteral("ROOT"), {}, {}};
  if (item->FileProcessing.Mode == QLatin1String("sync")) {
    document.FileDone = true;
    root.Add(QStringLiteral("PROCESS_FLAG"), QStringLiteral("0"));
    AddFileResult(root, document, *caller.Customer);
  } else {
    root.Add(QStringLiteral("PROCESS_FLAG"), QStringLiteral("1"));
    AddFields(root, FileRequestFields(document, *caller.Customer));
  }
  return tx.Xml(root);
}

// A poll answered "still processing" carries the fields of the next poll, an
// empty TDnum and secNum ("1": the bank stops processing for now).
TSimReply FilePoll(TTxContext& tx) {
  const TPayCaller caller = PayCaller(tx, true);
  if (caller.Refusal) return *caller.Refusal;
  TPayDocument* document =
      tx.PayDocuments.FindBySerial(caller.Customer->Id, tx.Form.Text("TxnSrlNo"));
  if (!document || document->Confirmed) return UnknownDocument(tx);
  const std::optional<TSimReply> mismatch =
      CheckEchoed(tx, WithoutTimeOut(FileRequestFields(*document, *caller.Customer)));
  if (mismatch) return *mismatch;

  TXmlElement root{QStringLiteral("ROOT"), {}, {}};
  const TPollAnswer answer = NextPoll(document->Item.FileProcessing, document->FilePolls);
  if (answer == TPollAnswer::Done) {
    document->FileDone = true;
    AddFileResult(root, *document, *caller.Customer);
  } else {
    AddFields(root, FileRequestFields(*document, *caller.Customer));
    root.Add(QStringLiteral("TDnum"));
    root.Add(QStringLiteral("secNum"),
             answer == TPollAnswer::TimedOut ? QStringLiteral("1") : QStringLiteral("0"));
  }
  return tx.Xml(root);
}

const TTxRegistration kUpload{{"N17141", {kBigFilePath}, true, Upload}};
const TTxRegistration kFilePoll{{"N17144", {kMainPlatV6Path}, true, FilePoll}};

}  // namespace
