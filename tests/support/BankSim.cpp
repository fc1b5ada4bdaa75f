#include "support/BankSim.h"

#include <httplib.h>

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <stdexcept>

namespace {

constexpr int kStartTimeoutMs = 10000;

std::runtime_error Failure(const QString& what) {
  return std::runtime_error(("TBankSim: " + what).toStdString());
}

QByteArray Latin1(const QJsonValue& value) {
  return value.toString().toLatin1();
}

QByteArray FormValue(const QString& text) {
  return text.toUtf8().toPercentEncoding();
}

}  // namespace

QByteArray TSimRequest::Header(const QByteArray& name) const {
  for (const auto& [key, value] : Headers) {
    if (key.compare(name, Qt::CaseInsensitive) == 0) return value;
  }
  return {};
}

bool TSimRequest::HasHeader(const QByteArray& name) const {
  for (const auto& header : Headers) {
    if (header.first.compare(name, Qt::CaseInsensitive) == 0) return true;
  }
  return false;
}

QByteArray TSimRequest::Field(const QByteArray& key) const {
  for (const QByteArray& pair : Body.split('&')) {
    const qsizetype equals = pair.indexOf('=');
    if (equals >= 0 && QByteArray::fromPercentEncoding(pair.left(equals)) == key) {
      return QByteArray::fromPercentEncoding(pair.mid(equals + 1));
    }
  }
  return {};
}

TBankSim::TBankSim(const QStringList& arguments, bool control) {
  process_.setProgram(QStringLiteral(BANKSIM_PATH));
  process_.setArguments(QStringList{"--port", "0"} +
                        (control ? QStringList{"--control"} : QStringList()) + arguments);
  process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process_.start();
  if (!process_.waitForStarted(kStartTimeoutMs)) {
    throw Failure("cannot start " + process_.program() + ": " + process_.errorString());
  }
  const QDeadlineTimer deadline(kStartTimeoutMs);
  while (!process_.canReadLine()) {
    if (deadline.hasExpired() || process_.state() != QProcess::Running) {
      process_.kill();
      process_.waitForFinished();
      throw Failure("the simulator did not report its port");
    }
    process_.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
  }
  const QByteArray line = process_.readLine().trimmed();
  const QByteArray prefix = "banksim listening on 127.0.0.1:";
  bool ok = false;
  port_ = line.startsWith(prefix) ? line.mid(prefix.size()).toUShort(&ok) : 0;
  if (!ok || port_ == 0) {
    process_.kill();
    process_.waitForFinished();
    throw Failure("unexpected first line: " + QString::fromUtf8(line));
  }
}

TBankSim::~TBankSim() {
  process_.kill();
  process_.waitForFinished(5000);
}

QString TBankSim::BaseUrl() const {
  return QStringLiteral("http://127.0.0.1:%1").arg(port_);
}

QList<TSimRequest> TBankSim::Requests() const {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(Control("GET", "/__sim/requests"), &error);
  if (!document.isArray()) throw Failure("bad request log: " + error.errorString());
  QList<TSimRequest> requests;
  for (const auto& item : document.array()) {
    const QJsonObject object = item.toObject();
    TSimRequest request;
    request.Method = Latin1(object.value("method"));
    request.Path = Latin1(object.value("path"));
    request.Query = Latin1(object.value("query"));
    for (const auto& header : object.value("headers").toArray()) {
      const QJsonArray pair = header.toArray();
      request.Headers.append({Latin1(pair.at(0)), Latin1(pair.at(1))});
    }
    request.Body = QByteArray::fromBase64(Latin1(object.value("body")));
    requests.append(request);
  }
  return requests;
}

void TBankSim::ClearRequests() {
  Control("POST", "/__sim/requests/clear");
}

void TBankSim::SetFault(const QString& mode, int count,
                        const QList<QPair<QString, QString>>& params) {
  QByteArray body = "mode=" + FormValue(mode) + "&count=" + QByteArray::number(count);
  for (const auto& [key, value] : params) body += '&' + FormValue(key) + '=' + FormValue(value);
  Control("POST", "/__sim/fault", body);
}

void TBankSim::ClearFault() {
  Control("POST", "/__sim/fault/clear");
}

void TBankSim::Configure(const QString& key, const QString& value) {
  Control("POST", "/__sim/config", FormValue(key) + '=' + FormValue(value));
}

QJsonArray TBankSim::PrintCounts() const {
  const QJsonDocument document = QJsonDocument::fromJson(Control("GET", "/__sim/printcounts"));
  if (!document.isArray()) throw Failure(QStringLiteral("bad print counts"));
  return document.array();
}

void TBankSim::SetPrintCount(const QList<QPair<QString, QString>>& receipt, int count) {
  QByteArray body = "count=" + QByteArray::number(count);
  for (const auto& [key, value] : receipt) body += '&' + FormValue(key) + '=' + FormValue(value);
  Control("POST", "/__sim/printcounts", body);
}

QByteArray TBankSim::Control(const QByteArray& method, const QByteArray& path,
                             const QByteArray& body) const {
  httplib::Client client("127.0.0.1", port_);
  client.set_connection_timeout(5);
  client.set_read_timeout(10);
  const httplib::Result result =
      method == "GET" ? client.Get(path.toStdString())
                      : client.Post(path.toStdString(), body.constData(), size_t(body.size()),
                                    "application/x-www-form-urlencoded");
  if (!result) {
    throw Failure(QStringLiteral("%1 %2: %3")
                      .arg(QString::fromLatin1(method), QString::fromLatin1(path),
                           QString::fromStdString(httplib::to_string(result.error()))));
  }
  QByteArray reply(result->body.data(), qsizetype(result->body.size()));
  if (result->status != 200) {
    throw Failure(
        QStringLiteral("%1 %2: %3")
            .arg(QString::fromLatin1(method), QString::fromLatin1(path), QString::fromUtf8(reply)));
  }
  return reply;
}
