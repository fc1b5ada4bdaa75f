// The control interface under "/__sim/": tests read the request log, set faults
// and change settings. Its requests are not recorded.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "SimServer.h"
#include "UploadLines.h"

namespace {

TSimReply PlainReply(int status, const QString& text) {
  TSimReply reply;
  reply.Status = status;
  reply.ContentType = "text/plain; charset=UTF-8";
  reply.Body = text.toUtf8();
  return reply;
}

TSimReply Done() {
  return PlainReply(200, QStringLiteral("OK"));
}

QJsonObject DocumentJson(const TPayDocument& document) {
  return {{QStringLiteral("number"), document.Number},
          {QStringLiteral("customer"), document.CustomerId},
          {QStringLiteral("user"), document.UserId},
          {QStringLiteral("mode"), document.Mode},
          {QStringLiteral("item"), document.Item.Id},
          {QStringLiteral("use"), document.Use.Id},
          {QStringLiteral("amount"), FenText(document.Amount)},
          {QStringLiteral("reviewers"), QJsonArray::fromStringList(document.Reviewers)},
          {QStringLiteral("lines"), QJsonArray::fromStringList(document.Lines)}};
}

QJsonObject PrintCountJson(const TPrintCount& count) {
  const TReceiptKey& receipt = count.Receipt;
  QJsonObject object{{QStringLiteral("customer"), receipt.CustomerId},
                     {QStringLiteral("count"), count.Count}};
  if (receipt.IsDetail()) {
    object.insert(QStringLiteral("kind"), QStringLiteral("detail"));
    object.insert(QStringLiteral("accNo"), receipt.AccNo);
    object.insert(QStringLiteral("detailNo"), receipt.Number);
  } else {
    object.insert(QStringLiteral("kind"), QStringLiteral("transfer"));
    object.insert(QStringLiteral("creditNo"), receipt.Number);
  }
  return object;
}

TSimReply JsonReply(const QJsonArray& list) {
  TSimReply reply = PlainReply(200, {});
  reply.ContentType = "application/json";
  reply.Body = QJsonDocument(list).toJson(QJsonDocument::Compact);
  return reply;
}

}  // namespace

TSimReply TSimServer::Control(const TLoggedRequest& request) {
  const QByteArray command = request.Method + ' ' + request.Path;
  if (command == "GET /__sim/requests") {
    TSimReply reply = PlainReply(200, {});
    reply.ContentType = "application/json";
    reply.Body = log_.ToJson();
    return reply;
  }
  if (command == "GET /__sim/paydocuments") return PayDocuments();
  if (command == "GET /__sim/printcounts") return PrintCounts();
  if (command == "POST /__sim/printcounts") return SetPrintCount(TFormFields(request.Body));
  if (command == "POST /__sim/requests/clear") {
    log_.Clear();
    return Done();
  }
  if (command == "POST /__sim/fault") {
    QString error;
    const std::optional<TFault> fault = TFault::FromForm(TFormFields(request.Body), error);
    if (!fault) return PlainReply(400, error);
    faults_.Add(*fault);
    return Done();
  }
  if (command == "POST /__sim/fault/clear") {
    faults_.Clear();
    return Done();
  }
  if (command == "POST /__sim/config") return Configure(TFormFields(request.Body));
  return PlainReply(404, QStringLiteral("unknown control request ") + QString::fromLatin1(command));
}

TSimReply TSimServer::Configure(const TFormFields& settings) {
  std::lock_guard lock(mutex_);
  for (const auto& [key, bytes] : settings.All()) {
    const QString value = QString::fromUtf8(bytes);
    if (key == "encoding" && (value == QLatin1String("GBK") || value == QLatin1String("UTF-8"))) {
      encoding_ = value == QLatin1String("GBK") ? TReplyEncoding::Gbk : TReplyEncoding::Utf8;
    } else if (key == "versionTime") {
      data_.VersionTime = value;
    } else if (key == "announce") {
      data_.AnnounceShow = value;
    } else if (key == "announceMsg") {
      data_.AnnounceMessage = value;
    } else if (key == "recordPasswords") {
      recordPasswords_ = value == QLatin1String("1");
    } else {
      return PlainReply(400,
                        QStringLiteral("bad setting %1=%2").arg(QString::fromUtf8(key), value));
    }
  }
  return Done();
}

TSimReply TSimServer::PayDocuments() {
  std::lock_guard lock(mutex_);
  QJsonArray list;
  for (const TSimCustomer& customer : data_.Customers) {
    for (const TPayDocument* document : payDocuments_.Confirmed(customer.Id)) {
      list.append(DocumentJson(*document));
    }
  }
  return JsonReply(list);
}

TSimReply TSimServer::PrintCounts() {
  std::lock_guard lock(mutex_);
  QJsonArray list;
  for (const TPrintCount& count : printCounts_.All()) list.append(PrintCountJson(count));
  return JsonReply(list);
}

// customer and count, and creditNo (a transfer receipt) or accNo and detailNo
// (an account-detail receipt).
TSimReply TSimServer::SetPrintCount(const TFormFields& form) {
  bool ok = false;
  const int count = form.Bytes("count").toInt(&ok);
  const bool detail = form.Has("accNo");
  const TReceiptKey receipt{form.Utf8("customer"), form.Utf8("accNo"),
                            form.Utf8(detail ? "detailNo" : "creditNo")};
  if (!ok || count < 0 || receipt.CustomerId.isEmpty() || receipt.Number.isEmpty() ||
      (detail && receipt.AccNo.isEmpty())) {
    return PlainReply(400, QStringLiteral("a print count needs customer, count (from 0) and "
                                          "creditNo, or accNo and detailNo"));
  }
  std::lock_guard lock(mutex_);
  printCounts_.Set(receipt, count);
  return Done();
}
