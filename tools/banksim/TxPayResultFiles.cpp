// N19107 (N17 interface): the name of a processed document's result file; and
// the file requests of both interfaces, on "/NNVX/NECV6FileDownload" (without
// a TXCODE) and "/NNVX/NECV5FileDownload" (660702). A file the bank does not
// have is answered with its notice page.
#include <QRegularExpression>

#include "ClientParamFiles.h"
#include "PayFlow.h"
#include "ResultQuery.h"
#include "StatementCaller.h"
#include "ZipFile.h"

namespace {

constexpr char kV6FilePath[] = "/NNVX/NECV6FileDownload";
constexpr char kV5FilePath[] = "/NNVX/NECV5FileDownload";
// The letters of the result kinds in file names, in the order of TResultKind
// and of the N17 choice (Fmt_File_TpCd "0", "1", "2").
const QString kKindLetters = QStringLiteral("ASF");

QString N17Folder(const TSimCustomer& customer) {
  return QStringLiteral("/rcpt/") + customer.Id;
}

std::optional<TResultDocument> FindDocument(
    const TTxContext& tx, const TSimCustomer& customer,
    const std::function<bool(const TResultDocument&)>& fits) {
  for (const TResultDocument& document : ResultDocuments(customer, tx.PayDocuments)) {
    if (fits(document)) return document;
  }
  return std::nullopt;
}

// The interbank-number package of the parameter download, for any customer.
TSimReply CodePackageFile(TTxContext& tx) {
  const TStatementCaller caller = StatementCaller(tx, std::nullopt);
  if (caller.Refusal) return *caller.Refusal;
  if (tx.Form.Text("SOURCE") != QLatin1String("zhlhh_unload.tar.gz")) return MissingFileReply();
  return AttachmentReply("application/x-gzip", CodeFilePackage(),
                         QStringLiteral("zhlhh_unload.tar.gz"));
}

TSimReply ResultFileReply(const TResultDocument& document, const TSimResults& rule,
                          TResultKind kind, const QString& source, bool zipped) {
  const QString name = document.AttachmentName.isEmpty() ? source : document.AttachmentName;
  const QByteArray text = ResultFile(document, rule, kind);
  if (!zipped) return AttachmentReply("text/plain; charset=GBK", text, name);
  return AttachmentReply("application/zip", ZipOf(source.chopped(4), text), name);
}

TSimReply N17FileName(TTxContext& tx) {
  const TPayCaller caller = PayCaller(tx, true);
  if (caller.Refusal) return *caller.Refusal;
  const QString number = tx.Form.Text("VchID");
  const std::optional<TResultDocument> document = FindDocument(
      tx, *caller.Customer, [&](const TResultDocument& d) { return d.Number == number; });
  if (!document) return UnknownDocument(tx);
  const std::optional<TSimReply> mismatch =
      CheckEchoed(tx, {{"Btch_ID", document->BatchId()}, {"Txn_Jrnl_ID", document->JournalId}});
  if (mismatch) return *mismatch;
  const QByteArray choice = tx.Form.Bytes("Fmt_File_TpCd");
  if (choice != "0" && choice != "1" && choice != "2") return BadCondition(tx);
  if (!document->HasResults()) {
    return tx.Error(QStringLiteral("EBLN0017"), QStringLiteral("该单据没有结果文件"));
  }

  TXmlElement root{QStringLiteral("ROOT"), {}, {}};
  root.Add(QStringLiteral("Recpt_File_Nm"), QStringLiteral("%1/%2_%3.txt")
                                                .arg(N17Folder(*caller.Customer), document->Number,
                                                     kKindLetters.at(choice.toInt())));
  return tx.Xml(root);
}

// FILEPATH and SOURCE as N19107 named them: "/rcpt/<customer>", "<VchID>_<A|S|F>.txt".
TSimReply N17File(TTxContext& tx) {
  const TPayCaller caller = PayCaller(tx, true);
  if (caller.Refusal) return *caller.Refusal;
  const QString source = tx.Form.Text("SOURCE");
  const QRegularExpressionMatch name =
      QRegularExpression(QStringLiteral("^(.+)_([ASF])\\.txt$")).match(source);
  if (tx.Form.Text("FILEPATH") != N17Folder(*caller.Customer) || !name.hasMatch()) {
    return MissingFileReply();
  }
  const std::optional<TResultDocument> document = FindDocument(
      tx, *caller.Customer,
      [&](const TResultDocument& d) { return d.Number == name.captured(1) && d.HasResults(); });
  if (!document) return MissingFileReply();
  const auto kind = TResultKind(kKindLetters.indexOf(name.captured(2)));
  return ResultFileReply(*document, caller.Customer->Results, kind, source, false);
}

// SOURCE is a prefix and the document's file name, with ".zip" for a packed
// file: "A", "S" or "F" for a document whose results are kept apart, "C" for
// any other.
TSimReply OldFile(TTxContext& tx) {
  if (tx.Form.Text("FILEPATH") == QLatin1String("ibszhlhh")) return CodePackageFile(tx);
  const TPayCaller caller = PayCaller(tx, false);
  if (caller.Refusal) return *caller.Refusal;
  const QString source = tx.Form.Text("SOURCE");
  const bool zipped = source.endsWith(QLatin1String(".zip"));
  const QString name = zipped ? source.chopped(4) : source;
  if (tx.Form.Text("FILEPATH") != QLatin1String("B2B.customer.bill") || name.size() < 2) {
    return MissingFileReply();
  }
  const QChar prefix = name.front();
  const std::optional<TResultDocument> document =
      FindDocument(tx, *caller.Customer, [&](const TResultDocument& d) {
        const bool apart = d.IsEctip == QLatin1String("1");
        const bool prefixFits = apart ? kKindLetters.contains(prefix) : prefix == QLatin1Char('C');
        return d.FileName == name.mid(1) && d.HasResults() && prefixFits;
      });
  if (!document) return MissingFileReply();
  const auto kind =
      prefix == QLatin1Char('C') ? TResultKind::All : TResultKind(kKindLetters.indexOf(prefix));
  return ResultFileReply(*document, caller.Customer->Results, kind, source, zipped);
}

const TTxRegistration kN17FileName{{"N19107", {kMainPlatV6Path}, true, N17FileName}};
const TTxRegistration kN17File{{"", {kV6FilePath}, true, N17File}};
const TTxRegistration kOldFile{{"660702", {kV5FilePath}, true, OldFile}};

}  // namespace
