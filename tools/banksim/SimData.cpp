#include "SimData.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <stdexcept>

#include "AccountHistory.h"
#include "core/Amount.h"

namespace {

[[noreturn]] void Fail(const QString& fileName, const QString& what) {
  throw std::runtime_error(QStringLiteral("%1: %2").arg(fileName, what).toStdString());
}

QString RequiredString(const QJsonObject& object, const char* key, const QString& fileName) {
  const QJsonValue value = object.value(QLatin1String(key));
  if (!value.isString()) {
    Fail(fileName, QStringLiteral("\"%1\" is missing or not a string").arg(QLatin1String(key)));
  }
  return value.toString();
}

TSimOperator ReadOperator(const QJsonObject& object, const QString& fileName) {
  TSimOperator op;
  op.Id = RequiredString(object, "id", fileName);
  op.Name = object.value(QLatin1String("name")).toString();
  op.Password = RequiredString(object, "password", fileName);
  op.OpenType = object.value(QLatin1String("openType")).toString(QStringLiteral("0"));
  op.TxPassword = object.value(QLatin1String("txPassword")).toString();
  return op;
}

QString OptionalString(const QJsonObject& object, const char* key, const QString& fallback) {
  return object.value(QLatin1String(key)).toString(fallback);
}

// 1/10000 yuan of a decimal text.
qint64 RequiredAmount(const QJsonObject& object, const char* key, const QString& fileName) {
  const std::optional<TAmount> amount = TAmount::Parse(RequiredString(object, key, fileName));
  if (!amount) Fail(fileName, QStringLiteral("\"%1\" is not an amount").arg(QLatin1String(key)));
  return amount->Units();
}

TSimHistorySettings ReadHistorySettings(const QJsonObject& object, const QString& fileName) {
  TSimHistorySettings settings;
  if (object.isEmpty()) return settings;
  settings.Seed = quint64(object.value(QLatin1String("seed")).toInteger(0));
  settings.Count = object.value(QLatin1String("count")).toInt(3000);
  settings.Days = object.value(QLatin1String("days")).toInt(settings.Days);
  if (settings.Count < 0 || settings.Days < 1) Fail(fileName, QStringLiteral("bad history"));
  settings.OpeningBalance = RequiredAmount(object, "openingBalance", fileName);
  settings.ShortBalances = object.value(QLatin1String("shortBalances")).toBool(false);
  settings.PaddedFlags = object.value(QLatin1String("paddedFlags")).toBool(false);
  return settings;
}

TSimAccount ReadAccount(const QJsonObject& object, const QString& fileName) {
  TSimAccount account;
  account.AccNo = RequiredString(object, "accNo", fileName);
  account.AccName = OptionalString(object, "accName", {});
  account.BankName = OptionalString(object, "bankName", {});
  account.CurType = OptionalString(object, "curType", account.CurType);
  account.CurCode = OptionalString(object, "curCode", account.CurCode);
  account.AccType = OptionalString(object, "accType", account.AccType);
  account.KindName = OptionalString(object, "kindName", account.KindName);
  account.Status = OptionalString(object, "status", account.Status);
  account.HistorySettings =
      ReadHistorySettings(object.value(QLatin1String("history")).toObject(), fileName);
  account.History = MakeHistory(account);
  return account;
}

TSimProcessing ReadProcessing(const QJsonValue& value, const QString& fileName) {
  TSimProcessing processing;
  if (value.isUndefined()) return processing;
  const QJsonObject object = value.toObject();
  processing.Mode = OptionalString(object, "mode", processing.Mode);
  processing.TimeOutMs = object.value(QLatin1String("timeOut")).toInt(processing.TimeOutMs);
  processing.Polls = object.value(QLatin1String("polls")).toInt(processing.Polls);
  const bool timeout = processing.Mode == QLatin1String("timeout");
  if ((processing.Mode != QLatin1String("sync") && processing.Mode != QLatin1String("async") &&
       !timeout) ||
      processing.Polls < (timeout ? 1 : 0)) {
    Fail(fileName, QStringLiteral("bad processing \"%1\" with %2 polls")
                       .arg(processing.Mode)
                       .arg(processing.Polls));
  }
  return processing;
}

TSimPayItem ReadPayItem(const QJsonObject& object, const QString& fileName) {
  TSimPayItem item;
  item.No = RequiredString(object, "no", fileName);
  item.Id = RequiredString(object, "id", fileName);
  item.Name = RequiredString(object, "name", fileName);
  item.Ectip = OptionalString(object, "ectip", item.Ectip);
  item.FileSize = OptionalString(object, "fileSize", {});
  item.AmountField = object.value(QLatin1String("amountField")).toInt(item.AmountField);
  if (item.AmountField < 1)
    Fail(fileName, QStringLiteral("item \"%1\": bad amountField").arg(item.Id));
  item.AccNo = OptionalString(object, "accNo", {});
  item.SelUserMode = OptionalString(object, "selUserMode", item.SelUserMode);
  item.SelectOper = OptionalString(object, "selectOper", item.SelectOper);
  item.FileError = object.value(QLatin1String("fileError")).toBool(false);
  item.FileProcessing = ReadProcessing(object.value(QLatin1String("fileProcessing")), fileName);
  item.DocumentProcessing =
      ReadProcessing(object.value(QLatin1String("documentProcessing")), fileName);
  return item;
}

TSimPayUse ReadPayUse(const QJsonObject& object, const QString& fileName) {
  TSimPayUse use;
  use.No = RequiredString(object, "no", fileName);
  use.Id = RequiredString(object, "id", fileName);
  use.Name = RequiredString(object, "name", fileName);
  use.ModeId = OptionalString(object, "modeId", {});
  use.Locked = OptionalString(object, "locked", use.Locked);
  return use;
}

TSimPayMode ReadPayMode(const QJsonObject& object, const QString& fileName) {
  TSimPayMode mode;
  mode.PyPerQot = OptionalString(object, "pyPerQot", {});
  mode.IsBigFile = OptionalString(object, "isBigFile", mode.IsBigFile);
  mode.SignDat = OptionalString(object, "signDat", {});
  for (const auto& item : object.value(QLatin1String("items")).toArray()) {
    mode.Items.append(ReadPayItem(item.toObject(), fileName));
  }
  for (const auto& use : object.value(QLatin1String("uses")).toArray()) {
    mode.Uses.append(ReadPayUse(use.toObject(), fileName));
  }
  return mode;
}

// A document names its item and use by id among those of its pay mode.
TSimResultDocument ReadResultDocument(const QJsonObject& object,
                                      const std::array<TSimPayMode, 2>& modes,
                                      const QString& fileName) {
  TSimResultDocument document;
  document.Number = RequiredString(object, "number", fileName);
  document.Mode = object.value(QLatin1String("mode")).toInt(0);
  if (document.Mode != 0 && document.Mode != 1)
    Fail(fileName, QStringLiteral("document \"%1\": bad mode").arg(document.Number));
  const TSimPayMode& mode = modes[document.Mode];
  const TSimPayItem* item = mode.FindItem(RequiredString(object, "item", fileName));
  const TSimPayUse* use =
      item ? mode.FindUse(*item, RequiredString(object, "use", fileName)) : nullptr;
  if (!use) {
    Fail(fileName, QStringLiteral("document \"%1\": no such item or use").arg(document.Number));
  }
  document.Item = *item;
  document.Use = *use;
  document.State = RequiredString(object, "state", fileName);
  document.IsDownload = OptionalString(object, "isDownload", document.IsDownload);
  document.IsEctip = OptionalString(object, "isEctip", document.IsEctip);
  document.FileName = RequiredString(object, "fileName", fileName);
  document.AttachmentName = OptionalString(object, "attachmentName", {});
  document.DaysAgo = object.value(QLatin1String("daysAgo")).toInt(0);
  for (const auto& line : object.value(QLatin1String("lines")).toArray()) {
    document.Lines.append(line.toString());
  }
  return document;
}

TSimResults ReadResults(const QJsonObject& object, const std::array<TSimPayMode, 2>& modes,
                        const QString& fileName) {
  TSimResults results;
  results.MovDate = OptionalString(object, "movDate", {});
  results.FileType = OptionalString(object, "fileType", results.FileType);
  results.AccountField = object.value(QLatin1String("accountField")).toInt(results.AccountField);
  if (results.AccountField < 1) Fail(fileName, QStringLiteral("bad accountField"));
  for (const auto& failure : object.value(QLatin1String("failures")).toArray()) {
    const QJsonObject entry = failure.toObject();
    results.Failures.append(
        {RequiredString(entry, "ending", fileName), RequiredString(entry, "reason", fileName)});
  }
  for (const auto& document : object.value(QLatin1String("documents")).toArray()) {
    results.Documents.append(ReadResultDocument(document.toObject(), modes, fileName));
  }
  return results;
}

// Made and (when submitted) sent to the bank that many days before the day of
// the query; the maker and checker default to the first operator and reviewer.
TSimTransfer ReadTransfer(const QJsonObject& object, const TSimCustomer& customer,
                          const QString& fileName) {
  TSimTransfer transfer;
  transfer.Number = RequiredString(object, "number", fileName);
  transfer.AccNo = RequiredString(object, "accNo", fileName);
  if (!customer.FindAccount(transfer.AccNo)) {
    Fail(fileName,
         QStringLiteral("transfer \"%1\": not an account of the customer").arg(transfer.Number));
  }
  transfer.RevAccNo = RequiredString(object, "revAccNo", fileName);
  transfer.RevName = RequiredString(object, "revName", fileName);
  transfer.RevBank = OptionalString(object, "revBank", {});
  transfer.Amount = RequiredAmount(object, "amount", fileName);
  transfer.Use = OptionalString(object, "use", {});
  transfer.Status = RequiredString(object, "status", fileName);
  transfer.DaysAgo = object.value(QLatin1String("daysAgo")).toInt(0);
  if (object.contains(QLatin1String("time"))) {
    transfer.Time =
        QTime::fromString(RequiredString(object, "time", fileName), QStringLiteral("hh:mm:ss"));
    if (!transfer.Time.isValid()) {
      Fail(fileName, QStringLiteral("transfer \"%1\": bad time").arg(transfer.Number));
    }
  }
  transfer.Submitted = object.value(QLatin1String("submitted")).toBool(true);
  const QList<const TSimOperator*> reviewers = customer.Reviewers();
  transfer.Maker = OptionalString(
      object, "maker", customer.Operators.isEmpty() ? QString() : customer.Operators[0].Name);
  transfer.Checker =
      OptionalString(object, "checker", reviewers.isEmpty() ? QString() : reviewers[0]->Name);
  transfer.Approver = OptionalString(object, "approver", {});
  transfer.CerCode = OptionalString(object, "cerCode", {});
  return transfer;
}

TSimCustomer ReadCustomer(const QJsonObject& object, const QString& fileName) {
  TSimCustomer customer;
  customer.Id = RequiredString(object, "id", fileName);
  customer.Name = object.value(QLatin1String("name")).toString();
  customer.TradeType = object.value(QLatin1String("tradeType")).toInt(0);
  customer.AgentType = object.value(QLatin1String("agentType")).toInt(0);
  for (const auto& op : object.value(QLatin1String("operators")).toArray()) {
    customer.Operators.append(ReadOperator(op.toObject(), fileName));
  }
  for (const auto& account : object.value(QLatin1String("accounts")).toArray()) {
    customer.Accounts.append(ReadAccount(account.toObject(), fileName));
  }
  const QJsonObject agentPay = object.value(QLatin1String("agentPay")).toObject();
  customer.PayModes[0] = ReadPayMode(agentPay.value(QLatin1String("pay")).toObject(), fileName);
  customer.PayModes[1] = ReadPayMode(agentPay.value(QLatin1String("collect")).toObject(), fileName);
  customer.Results =
      ReadResults(object.value(QLatin1String("results")).toObject(), customer.PayModes, fileName);
  const QJsonObject transfers = object.value(QLatin1String("transfers")).toObject();
  customer.UploadStatus = OptionalString(transfers, "uploadStatus", customer.UploadStatus);
  for (const auto& transfer : transfers.value(QLatin1String("documents")).toArray()) {
    customer.Transfers.append(ReadTransfer(transfer.toObject(), customer, fileName));
  }
  return customer;
}

TSimDownload ReadDownload(const QJsonObject& object, const QString& fileName) {
  TSimDownload download;
  download.Path = RequiredString(object, "path", fileName);
  download.ContentType = object.value(QLatin1String("contentType"))
                             .toString(QStringLiteral("application/octet-stream"))
                             .toLatin1();
  const auto decoded =
      QByteArray::fromBase64Encoding(RequiredString(object, "base64", fileName).toLatin1(),
                                     QByteArray::AbortOnBase64DecodingErrors);
  if (!decoded) Fail(fileName, QStringLiteral("bad base64 of download \"%1\"").arg(download.Path));
  download.Content = *decoded;
  return download;
}

TSimData ParseSimData(const QByteArray& json, const QString& fileName) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(json, &error);
  if (error.error != QJsonParseError::NoError) {
    Fail(fileName, QStringLiteral("%1 at offset %2").arg(error.errorString()).arg(error.offset));
  }
  if (!document.isObject()) Fail(fileName, QStringLiteral("the top level is not an object"));
  const QJsonObject root = document.object();
  TSimData data;
  data.VersionTime = root.value(QLatin1String("versionTime")).toString();
  data.ClientPackage = root.value(QLatin1String("clientPackage")).toString();
  const QJsonObject announcement = root.value(QLatin1String("announcement")).toObject();
  data.AnnounceShow = announcement.value(QLatin1String("show")).toString(QStringLiteral("0"));
  data.AnnounceMessage = announcement.value(QLatin1String("message")).toString();
  for (const auto& download : root.value(QLatin1String("downloads")).toArray()) {
    data.Downloads.append(ReadDownload(download.toObject(), fileName));
  }
  for (const auto& customer : root.value(QLatin1String("customers")).toArray()) {
    data.Customers.append(ReadCustomer(customer.toObject(), fileName));
  }
  return data;
}

}  // namespace

const TSimOperator* TSimCustomer::FindOperator(const QString& id) const {
  for (const TSimOperator& op : Operators) {
    if (op.Id == id) return &op;
  }
  return nullptr;
}

const TSimAccount* TSimCustomer::FindAccount(const QString& accNo) const {
  for (const TSimAccount& account : Accounts) {
    if (account.AccNo == accNo) return &account;
  }
  return nullptr;
}

QList<const TSimOperator*> TSimCustomer::Reviewers() const {
  QList<const TSimOperator*> reviewers;
  for (const TSimOperator& op : Operators) {
    if (op.OpenType == QLatin1String("1")) reviewers.append(&op);
  }
  return reviewers;
}

const TSimPayItem* TSimPayMode::FindItem(const QString& id) const {
  for (const TSimPayItem& item : Items) {
    if (item.Id == id) return &item;
  }
  return nullptr;
}

const TSimPayUse* TSimPayMode::FindUse(const TSimPayItem& item, const QString& id) const {
  for (const TSimPayUse& use : Uses) {
    if (use.Id == id && use.No.compare(item.No, Qt::CaseInsensitive) == 0) return &use;
  }
  return nullptr;
}

const TSimCustomer* TSimData::FindCustomer(const QString& id) const {
  for (const TSimCustomer& customer : Customers) {
    if (customer.Id == id) return &customer;
  }
  return nullptr;
}

const TSimDownload* TSimData::FindDownload(const QString& path) const {
  for (const TSimDownload& download : Downloads) {
    if (download.Path == path) return &download;
  }
  return nullptr;
}

TSimData LoadSimData(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) Fail(fileName, file.errorString());
  return ParseSimData(file.readAll(), fileName);
}

TSimData DemoSimData() {
  return LoadSimData(QStringLiteral(":/banksim/demo.json"));
}
