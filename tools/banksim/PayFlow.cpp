#include "PayFlow.h"

#include <QCryptographicHash>

TPayCaller PayCaller(const TTxContext& tx, bool n17) {
  TPayCaller caller;
  caller.Customer = tx.Data.FindCustomer(tx.Session->CustomerId);
  caller.Operator = caller.Customer ? caller.Customer->FindOperator(tx.Session->UserId) : nullptr;
  if (!caller.Operator) {
    caller.Refusal = tx.Error(QStringLiteral("EBLN0001"), QStringLiteral("客户号或操作员号不存在"));
  } else if ((caller.Customer->AgentType == 1) != n17) {
    caller.Refusal = tx.Error(QStringLiteral("EBLN0006"), QStringLiteral("交易码与客户类型不符"));
  }
  return caller;
}

TPayDocument& KeepUpload(TTxContext& tx, const TPayCaller& caller, int mode,
                         const TSimPayItem& item, const TSimPayUse& use, const QByteArray& content,
                         const TPayFile& file) {
  TPayDocument& document = tx.PayDocuments.Add({});
  document.CustomerId = caller.Customer->Id;
  document.UserId = caller.Operator->Id;
  document.Mode = mode;
  document.Item = item;
  document.Use = use;
  document.FileName =
      document.CustomerId + QLatin1Char('_') + document.Number + QStringLiteral(".txt");
  document.Md5 =
      QString::fromLatin1(QCryptographicHash::hash(content, QCryptographicHash::Md5).toHex());
  document.UploadTime = QDateTime::currentDateTime();
  document.Lines = file.Lines;
  document.Amount = file.Amount;
  return document;
}

int PayModeOf(const QByteArray& value) {
  if (value == "0") return 0;
  if (value == "1") return 1;
  return -1;
}

TSimReply BadPayMode(const TTxContext& tx) {
  return tx.Error(QStringLiteral("EBLN0007"), QStringLiteral("代发代扣类型错误"));
}

TSimReply UnknownItem(const TTxContext& tx) {
  return tx.Error(QStringLiteral("EBLN0008"), QStringLiteral("代发代扣项目不存在"));
}

TSimReply UnknownUse(const TTxContext& tx) {
  return tx.Error(QStringLiteral("EBLN0009"), QStringLiteral("项目用途不存在"));
}

TSimReply UnknownDocument(const TTxContext& tx) {
  return tx.Error(QStringLiteral("EBLN0012"), QStringLiteral("凭证不存在或已处理"));
}

TSimReply WrongTxPassword(const TTxContext& tx) {
  return tx.Error(QStringLiteral("EBLN0004"), QStringLiteral("交易密码错误"));
}

TSimReply NoReviewer(const TTxContext& tx) {
  return tx.Error(QStringLiteral("EBLN0014"), QStringLiteral("请选择下级复核员"));
}

void AddFields(TXmlElement& root, const QList<TEchoField>& fields) {
  for (const TEchoField& field : fields) root.Add(QString::fromLatin1(field.Key), field.Value);
}

std::optional<TSimReply> CheckEchoed(const TTxContext& tx, const QList<TEchoField>& fields) {
  for (const TEchoField& field : fields) {
    const QString sent = field.Utf8 ? tx.Form.Utf8(field.Key) : tx.Form.Text(field.Key);
    if (!tx.Form.Has(field.Key) || sent != field.Value) {
      return tx.Error(QStringLiteral("EBLN0010"),
                      QStringLiteral("上送要素与银行记录不符：") + QString::fromLatin1(field.Key));
    }
  }
  return std::nullopt;
}

TPollAnswer NextPoll(const TSimProcessing& processing, int& polls) {
  ++polls;
  if (processing.Mode == QLatin1String("sync") || polls > processing.Polls) {
    return TPollAnswer::Done;
  }
  const bool timeout = processing.Mode == QLatin1String("timeout");
  return timeout && polls == processing.Polls ? TPollAnswer::TimedOut : TPollAnswer::Waiting;
}
