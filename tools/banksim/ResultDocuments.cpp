#include "ResultDocuments.h"

#include <algorithm>

#include "UploadLines.h"
#include "platform/codec/Gbk.h"

namespace {

constexpr QLatin1Char kSeparator('|');

TResultDocument FromUpload(const TPayDocument& upload, bool n17) {
  TResultDocument document;
  document.Number = upload.Number;
  document.JournalId = upload.SerialNo;
  document.Mode = upload.Mode;
  document.N17 = n17;
  document.Item = upload.Item;
  document.Use = upload.Use;
  document.State = document.SuccessState();
  document.IsDownload = QStringLiteral("1");
  // The bank keeps the results of the items uploaded with 661802 apart.
  document.IsEctip =
      upload.Item.Ectip == QLatin1String("1") ? QStringLiteral("1") : QStringLiteral("0");
  document.FileName = upload.FileName;
  document.MadeAt = upload.UploadTime;
  document.Lines = upload.Lines;
  return document;
}

TResultDocument FromData(const TSimResultDocument& demo, bool n17, const QDate& today) {
  TResultDocument document;
  document.Number = demo.Number;
  document.JournalId = QStringLiteral("LS") + demo.Number.mid(2);
  document.Mode = demo.Mode;
  document.N17 = n17;
  document.Item = demo.Item;
  document.Use = demo.Use;
  document.State = demo.State;
  document.IsDownload = demo.IsDownload;
  document.IsEctip = demo.IsEctip;
  document.FileName = demo.FileName;
  document.AttachmentName = demo.AttachmentName;
  document.MadeAt = QDateTime(today.addDays(-demo.DaysAgo), QTime(9, 30));
  document.Lines = demo.Lines;
  return document;
}

const TSimRecordFailure* FailureOf(const QStringList& fields, const TSimResults& rule) {
  const QString account = fields.value(rule.AccountField - 1);
  if (account.isEmpty()) return nullptr;
  for (const TSimRecordFailure& failure : rule.Failures) {
    if (account.endsWith(failure.Ending)) return &failure;
  }
  return nullptr;
}

}  // namespace

QString TResultDocument::BatchId() const {
  return QStringLiteral("PC") + Number.mid(2);
}

QString TResultDocument::SuccessState() const {
  return N17 ? QStringLiteral("700") : QStringLiteral("3");
}

bool TResultDocument::HasResults() const {
  return State == SuccessState() && IsDownload == QLatin1String("1");
}

QList<TResultDocument> ResultDocuments(const TSimCustomer& customer,
                                       const TPayDocuments& confirmed) {
  const bool n17 = customer.AgentType == 1;
  QList<TResultDocument> documents;
  const QList<const TPayDocument*> uploads = confirmed.Confirmed(customer.Id);
  for (auto upload = uploads.crbegin(); upload != uploads.crend(); ++upload) {
    documents.append(FromUpload(**upload, n17));
  }
  const QDate today = QDate::currentDate();
  for (const TSimResultDocument& demo : customer.Results.Documents) {
    documents.append(FromData(demo, n17, today));
  }
  std::stable_sort(documents.begin(), documents.end(),
                   [](const TResultDocument& a, const TResultDocument& b) {
                     return a.MadeAt.date() > b.MadeAt.date();
                   });
  return documents;
}

QString TRecordOutcome::ResultLine() const {
  return Fields + kSeparator + (Succeeded ? QStringLiteral("成功") : QStringLiteral("失败")) +
         kSeparator + Reason;
}

QList<TRecordOutcome> RecordOutcomes(const TResultDocument& document, const TSimResults& rule) {
  QList<TRecordOutcome> outcomes;
  for (const QString& line : document.Lines) {
    TRecordOutcome outcome;
    outcome.Fields = line.endsWith(kSeparator) ? line.chopped(1) : line;
    const QStringList fields = outcome.Fields.split(kSeparator);
    outcome.Amount = ReadAmount(fields.value(document.Item.AmountField - 1)).value_or(0);
    if (const TSimRecordFailure* failure = FailureOf(fields, rule)) {
      outcome.Succeeded = false;
      outcome.Reason = failure->Reason;
    }
    outcomes.append(outcome);
  }
  return outcomes;
}

TResultTotals ResultTotals(const TResultDocument& document, const TSimResults& rule) {
  const bool processed = document.State == document.SuccessState();
  TResultTotals totals;
  for (const TRecordOutcome& outcome : RecordOutcomes(document, rule)) {
    totals.Amount += outcome.Amount;
    ++totals.Count;
    if (processed && outcome.Succeeded) {
      totals.SuccessAmount += outcome.Amount;
      ++totals.SuccessCount;
    }
  }
  return totals;
}

QByteArray ResultFile(const TResultDocument& document, const TSimResults& rule, TResultKind kind) {
  QString text;
  for (const TRecordOutcome& outcome : RecordOutcomes(document, rule)) {
    if (kind == TResultKind::Succeeded && !outcome.Succeeded) continue;
    if (kind == TResultKind::Failed && outcome.Succeeded) continue;
    text += outcome.ResultLine() + QStringLiteral("\r\n");
  }
  return codec::ToGbk(text);
}
