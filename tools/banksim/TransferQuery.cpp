#include "TransferQuery.h"

#include "PayFlow.h"
#include "QueryFields.h"
#include "StatementCaller.h"
#include "UploadLines.h"

namespace {

struct TTransferKeys {
  QByteArray Status, DateKind, From, To, Low, High, Number, RevName, RevAccNo, AccNo;
};
const TTransferKeys kNewKeys{"Pcs_St",           "Enqr_Dt_TpCd", "Enqr_StDt", "Enqr_CODt",
                             "Enqr_Strt_Amt",    "Tmt_Amt",      "Vchr_No",   "RcvPtAc_Nm",
                             "RcvPrt_Cst_AccNo", "Pyr_Cst_AccNo"};
const TTransferKeys kOldKeys{"DJTYPE",   "DATE_TYPE", "BEGINDATE", "ENDDATE",  "STARTMONEY",
                             "ENDMONEY", "CREDITNO",  "REVNAME",   "REVACCNO", "ACCNO"};

using TStatusFilter = std::function<bool(const QString&)>;

// Pcs_St: empty for all, else the code itself.
std::optional<TStatusFilter> NewStatusFilter(const QString& code) {
  if (code.isEmpty()) return TStatusFilter();
  if (NewStatusText(code).isEmpty()) return std::nullopt;
  return [code](const QString& status) { return status == code; };
}

// DJTYPE: "0" all, "1" finished, "2" unfinished, "3" succeeded, "4" failed.
std::optional<TStatusFilter> OldStatusFilter(const QString& choice) {
  if (choice == QLatin1String("0")) return TStatusFilter();
  if (choice == QLatin1String("1")) return OldStatusFinished;
  if (choice == QLatin1String("2"))
    return [](const QString& status) { return !OldStatusFinished(status); };
  if (choice == QLatin1String("3")) return OldStatusSucceeded;
  if (choice == QLatin1String("4")) return OldStatusFailed;
  return std::nullopt;
}

// Enqr_Dt_TpCd "1" or DATE_TYPE "0": the day it was made; "2" or "1": the day
// it was sent to the bank.
bool ReadDateKind(const QString& code, bool newGeneration, bool& bySubmitDate) {
  const QString made = newGeneration ? QStringLiteral("1") : QStringLiteral("0");
  const QString submitted = newGeneration ? QStringLiteral("2") : QStringLiteral("1");
  bySubmitDate = code == submitted;
  return code == made || code == submitted;
}

}  // namespace

bool TTransferConditions::Fits(const TTransferDocument& document) const {
  const QDateTime when = BySubmitDate ? document.SubmittedAt : document.MadeAt;
  const QString day = when.isNull() ? QString() : when.toString(QStringLiteral("yyyyMMdd"));
  if ((!From.isEmpty() || !To.isEmpty()) && day.isEmpty()) return false;
  return (!StatusFits || StatusFits(document.Status)) && (From.isEmpty() || day >= From) &&
         (To.isEmpty() || day <= To) && (!Low || document.Amount >= *Low) &&
         (!High || document.Amount <= *High) && (Number.isEmpty() || document.Number == Number) &&
         (RevName.isEmpty() || document.RevName.contains(RevName)) &&
         (RevAccNo.isEmpty() || document.RevAccNo == RevAccNo) &&
         (AccNo.isEmpty() || document.PayAccNo == AccNo);
}

TTransferRequest ReadTransferRequest(const TTxContext& tx, const TSimCustomer& customer,
                                     bool newGeneration) {
  const TTransferKeys& keys = newGeneration ? kNewKeys : kOldKeys;
  TTransferRequest request;
  TTransferConditions& conditions = request.Conditions;
  conditions.AccNo = tx.Form.Text(keys.AccNo).trimmed();
  if (!conditions.AccNo.isEmpty() && !customer.FindAccount(conditions.AccNo)) {
    request.Refusal = UnknownAccount(tx);
    return request;
  }
  const QString status = tx.Form.Text(keys.Status).trimmed();
  const std::optional<TStatusFilter> statusFits =
      newGeneration ? NewStatusFilter(status) : OldStatusFilter(status);
  const std::optional<QString> revName = ReadStrictText(tx.Form, keys.RevName, newGeneration);
  if (!statusFits || !revName ||
      !ReadDateKind(tx.Form.Text(keys.DateKind), newGeneration, conditions.BySubmitDate) ||
      !ReadDateText(tx.Form.Text(keys.From), conditions.From) ||
      !ReadDateText(tx.Form.Text(keys.To), conditions.To) ||
      !ReadBound(tx.Form.Text(keys.Low), conditions.Low) ||
      !ReadBound(tx.Form.Text(keys.High), conditions.High)) {
    request.Refusal = BadCondition(tx);
    return request;
  }
  conditions.StatusFits = *statusFits;
  conditions.Number = tx.Form.Text(keys.Number).trimmed();
  conditions.RevName = *revName;
  conditions.RevAccNo = tx.Form.Text(keys.RevAccNo).trimmed();
  return request;
}

QString MadeAtText(const TTransferDocument& document) {
  return document.MadeAt.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

TXmlElement TransferItem(const TTransferDocument& document, bool newGeneration) {
  TXmlElement item{QStringLiteral("ITEM"), {}, {}};
  AddFields(item, {{"CREDITNO", document.Number},
                   {"PAYACCNO", document.PayAccNo},
                   {"PAYNAME", document.PayName},
                   {"PAYBANK", document.PayBank},
                   {"MONEY", FenText(document.Amount)},
                   {"CUR", document.CurType},
                   {"DATE", MadeAtText(document)},
                   {"REVACCNO", document.RevAccNo},
                   {"REVNAME", document.RevName},
                   {"USEOF", document.Use},
                   {"STATUS", ShownStatus(document, newGeneration)},
                   {"CERCODE", document.CerCode}});
  if (newGeneration) item.Add(QStringLiteral("WFBIZID"), document.WorkflowId);
  return item;
}
