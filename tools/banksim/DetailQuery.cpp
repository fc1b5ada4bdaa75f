#include "DetailQuery.h"

#include <QCryptographicHash>

#include "PayFlow.h"
#include "QueryFields.h"
#include "StatementCaller.h"
#include "UploadLines.h"
#include "core/Amount.h"

namespace {

constexpr int kLongestDownload = 31;  // days

struct TDetailKeys {
  QByteArray AccNo, From, To, Low, High, Direction, CounterName, CounterAccNo, Summary;
};
const TDetailKeys kNewKeys{"AccNo",          "StDt",         "EdDt",
                           "Amt_LwrLmt_Val", "Amt_UpLm_Val", "DbtCrDrcCd",
                           "Cntrprt_AccNm",  "CntprtAcc",    "Rmrk"};
const TDetailKeys kOldKeys{"ACCNO1",       "STARTDATE",      "ENDDATE",      "LOW_AMT", "HIGH_AMT",
                           "BARGAIN_FLAG", "CHECK_ACC_NAME", "CHECK_ACC_NO", "REMARK"};

// The new interface sends "0" all, "1" out, "2" in; the old one "" all, "0"
// out, "1" in.
bool ReadDirection(const QByteArray& code, bool newGeneration, std::optional<bool>& credit) {
  const QByteArray all = newGeneration ? "0" : "";
  const QByteArray out = newGeneration ? "1" : "0";
  const QByteArray in = newGeneration ? "2" : "1";
  if (code == in) credit = true;
  if (code == out) credit = false;
  return code == all || code == in || code == out;
}

bool ReadDay(const QString& text, QDate& day) {
  QString date;
  if (!ReadDateText(text, date) || date.isEmpty()) return false;
  day = QDate::fromString(date, QStringLiteral("yyyyMMdd"));
  return true;
}

QString BoundText(const std::optional<qint64>& bound) {
  return bound ? TAmount::FromUnits(*bound).ToText() : QString();
}

// An empty part is in every text.
bool Contains(const QString& text, const QString& part) {
  return part.isEmpty() || text.contains(part);
}

}  // namespace

QString TDetailConditions::ReturnAll() const {
  return From.daysTo(To) + 1 <= kLongestDownload ? QStringLiteral("0") : QStringLiteral("1");
}

QString TDetailConditions::Digest() const {
  const QString direction =
      Credit ? (*Credit ? QStringLiteral("in") : QStringLiteral("out")) : QStringLiteral("all");
  const QString text = QStringList{Account->AccNo,
                                   From.toString(Qt::ISODate),
                                   To.toString(Qt::ISODate),
                                   BoundText(Low),
                                   BoundText(High),
                                   direction,
                                   CounterName,
                                   CounterAccNo,
                                   Summary}
                           .join(QLatin1Char('\n'));
  return QString::fromLatin1(
      QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Md5).toHex().toUpper());
}

QString TDetailConditions::QueryId() const {
  return Digest().left(16);
}

QString TDetailConditions::BatchId() const {
  return QStringLiteral("BT") + Digest().mid(16, 10);
}

TDetailRequest ReadDetailRequest(const TTxContext& tx, const TSimCustomer& customer,
                                 bool newGeneration) {
  const TDetailKeys& keys = newGeneration ? kNewKeys : kOldKeys;
  TDetailRequest request;
  TDetailConditions& conditions = request.Conditions;
  conditions.Account = customer.FindAccount(tx.Form.Text(keys.AccNo).trimmed());
  if (!conditions.Account) {
    request.Refusal = UnknownAccount(tx);
    return request;
  }
  if (newGeneration) {
    request.Refusal = CheckEchoed(tx, {{"AccName", conditions.Account->AccName, true},
                                       {"AccBank", conditions.Account->BankName, true}});
    if (request.Refusal) return request;
  }
  const std::optional<QString> name = ReadStrictText(tx.Form, keys.CounterName, newGeneration);
  const std::optional<QString> summary = ReadStrictText(tx.Form, keys.Summary, newGeneration);
  if (!ReadDay(tx.Form.Text(keys.From), conditions.From) ||
      !ReadDay(tx.Form.Text(keys.To), conditions.To) ||
      !ReadBound(tx.Form.Text(keys.Low), conditions.Low) ||
      !ReadBound(tx.Form.Text(keys.High), conditions.High) ||
      !ReadDirection(tx.Form.Bytes(keys.Direction), newGeneration, conditions.Credit) || !name ||
      !summary) {
    request.Refusal = BadCondition(tx);
    return request;
  }
  conditions.CounterName = *name;
  conditions.CounterAccNo = tx.Form.Text(keys.CounterAccNo).trimmed();
  conditions.Summary = *summary;
  return request;
}

QList<TDatedDetail> SelectDetails(const TDetailConditions& conditions) {
  const QDate today = QDate::currentDate();
  QList<TDatedDetail> rows;
  for (const TSimDetail& detail : conditions.Account->History) {
    const QDate day = today.addDays(-detail.DaysAgo);
    if (day < conditions.From || day > conditions.To) continue;
    if ((conditions.Low && detail.Amount < *conditions.Low) ||
        (conditions.High && detail.Amount > *conditions.High)) {
      continue;
    }
    if (conditions.Credit && detail.Credit != *conditions.Credit) continue;
    if (!Contains(detail.CounterName, conditions.CounterName) ||
        !Contains(detail.Summary, conditions.Summary) ||
        (!conditions.CounterAccNo.isEmpty() && detail.CounterAccNo != conditions.CounterAccNo)) {
      continue;
    }
    rows.append({&detail, day});
  }
  return rows;
}

QString ContinuationKey(const TDetailConditions& conditions, const QList<TDatedDetail>& rows,
                        int page) {
  const QList<TDatedDetail> shown = rows.mid((page - 1) * kDetailsPerPage, kDetailsPerPage);
  const QString last = shown.isEmpty() ? QStringLiteral("0") : shown.last().Detail->DetailNo;
  return QStringLiteral("%1 P%2&%3").arg(last, QString::number(page), conditions.Digest().left(8));
}

TXmlElement DetailItem(const TDatedDetail& row, const TSimAccount& account, bool newGeneration) {
  const TSimDetail& detail = *row.Detail;
  const TSimHistorySettings& settings = account.HistorySettings;
  QString flag = detail.Credit ? QStringLiteral("1") : QStringLiteral("0");
  if (settings.PaddedFlags) flag = QLatin1Char(' ') + flag + QLatin1Char(' ');
  const QString balance = settings.ShortBalances ? TAmount::FromUnits(detail.Balance).ToText()
                                                 : FenText(detail.Balance);
  TXmlElement item{QStringLiteral("ITEM"), {}, {}};
  AddFields(item, {{"TRANSDATE", row.Day.toString(QStringLiteral("yyyyMMdd"))},
                   {"TRANSTIME", detail.Time.toString(QStringLiteral("hh:mm:ss"))},
                   {"CREDITTYPE", detail.VoucherKind},
                   {"CREDITNO", detail.VoucherNo},
                   {"FLAG", flag},
                   {"FMONEY", FenText(detail.Amount)},
                   {"YMONEY", balance},
                   {"REVACCNAME", detail.CounterName},
                   {"REVACCNO", detail.CounterAccNo},
                   {"REMARK", detail.Summary},
                   {"USEOF", detail.Note},
                   {"REVSEQ_NO", detail.CompanySerial},
                   {"ACC_SEQ_NO", detail.DetailNo},
                   {"SEQ_NO", detail.SerialNo},
                   {"OID", detail.CashFlag},
                   {"ACCNAME", account.AccName},
                   {"ACCNO", account.AccNo},
                   {"ACCBANK", account.BankName},
                   {"CUR", newGeneration ? account.CurType : account.CurCode}});
  return item;
}
