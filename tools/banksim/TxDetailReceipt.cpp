// 610732: the print count of an account-detail row's receipt (SEARCH_TYPE 0)
// and a printing of it (SEARCH_TYPE 1). The client always sends it on the old
// interface, whatever the customer's trade type.
#include <QDate>

#include "PayFlow.h"
#include "QueryFields.h"
#include "StatementCaller.h"
#include "UploadLines.h"

namespace {

const TSimDetail* FindDetail(const TSimAccount& account, const QString& detailNo) {
  for (const TSimDetail& detail : account.History) {
    if (detail.DetailNo == detailNo) return &detail;
  }
  return nullptr;
}

// AMT and DATE (sent when printing) must be the row's amount, compared
// exactly, and its day.
std::optional<TSimReply> CheckPrinted(const TTxContext& tx, const TSimDetail& detail) {
  if (!tx.Form.Has("AMT") || ReadAmount(tx.Form.Text("AMT")) != detail.Amount) {
    return tx.Error(QStringLiteral("EBLN0010"), QStringLiteral("上送要素与银行记录不符：AMT"));
  }
  const QDate day = QDate::currentDate().addDays(-detail.DaysAgo);
  return CheckEchoed(tx, {{"DATE", day.toString(QStringLiteral("yyyyMMdd"))}});
}

// The receipt's payer is the counterpart of money that came in, so ACC_NO is
// either the customer's account or the counterpart of the row.
const TSimDetail* FindReceiptDetail(const TSimCustomer& customer, const QString& accNo,
                                    const QString& detailNo, const TSimAccount*& account) {
  for (const TSimAccount& own : customer.Accounts) {
    const TSimDetail* detail = FindDetail(own, detailNo);
    if (!detail) continue;
    if (own.AccNo == accNo || (detail->Credit && detail->CounterAccNo == accNo)) {
      account = &own;
      return detail;
    }
  }
  return nullptr;
}

TSimReply DetailReceipt(TTxContext& tx) {
  const TStatementCaller caller = StatementCaller(tx, std::nullopt);
  if (caller.Refusal) return *caller.Refusal;
  const QString accNo = tx.Form.Text("ACC_NO").trimmed();
  const QString detailNo = tx.Form.Text("ACC_SEQ_NO").trimmed();
  const TSimAccount* account = caller.Customer->FindAccount(accNo);
  const TSimDetail* detail = FindReceiptDetail(*caller.Customer, accNo, detailNo, account);
  if (!account) return UnknownAccount(tx);
  if (!detail) return tx.Error(QStringLiteral("EBLN0022"), QStringLiteral("明细记录不存在"));
  const QByteArray searchType = tx.Form.Bytes("SEARCH_TYPE");
  if (searchType != "0" && searchType != "1") return BadCondition(tx);
  const bool printed = searchType == "1";
  if (printed || tx.Form.Has("AMT") || tx.Form.Has("DATE")) {
    const std::optional<TSimReply> mismatch = CheckPrinted(tx, *detail);
    if (mismatch) return *mismatch;
  }
  const TReceiptKey receipt{caller.Customer->Id, account->AccNo, detailNo};
  const int count = printed ? tx.PrintCounts.Raise(receipt) : tx.PrintCounts.Count(receipt);
  TXmlElement root{QStringLiteral("ROOT"), {}, {}};
  root.Add(QStringLiteral("PRINUM"), QString::number(count));
  return tx.Xml(root);
}

const TTxRegistration kDetailReceipt{{"610732", {kMainPlatV5Path}, true, DetailReceipt}};

}  // namespace
