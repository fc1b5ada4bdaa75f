#include "RequestLog.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QByteArray TLoggedRequest::Header(const QByteArray& name) const {
  for (const auto& [key, value] : Headers) {
    if (key.compare(name, Qt::CaseInsensitive) == 0) return value;
  }
  return {};
}

void TRequestLog::Add(TLoggedRequest request) {
  std::lock_guard lock(mutex_);
  requests_.append(std::move(request));
}

void TRequestLog::Clear() {
  std::lock_guard lock(mutex_);
  requests_.clear();
}

QByteArray TRequestLog::ToJson() const {
  std::lock_guard lock(mutex_);
  QJsonArray list;
  for (const TLoggedRequest& request : requests_) {
    QJsonArray headers;
    for (const auto& [name, value] : request.Headers) {
      headers.append(QJsonArray{QString::fromLatin1(name), QString::fromLatin1(value)});
    }
    list.append(QJsonObject{
        {QStringLiteral("method"), QString::fromLatin1(request.Method)},
        {QStringLiteral("path"), QString::fromLatin1(request.Path)},
        {QStringLiteral("query"), QString::fromLatin1(request.Query)},
        {QStringLiteral("headers"), headers},
        {QStringLiteral("body"), QString::fromLatin1(request.Body.toBase64())},
    });
  }
  return QJsonDocument(list).toJson(QJsonDocument::Compact);
}
