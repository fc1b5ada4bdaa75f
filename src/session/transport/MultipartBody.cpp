#include "session/transport/MultipartBody.h"

#include "core/SessionUser.h"
#include "platform/codec/Gbk.h"

TMultipartBody::TMultipartBody(QString boundary) : boundary_(std::move(boundary)) {}

void TMultipartBody::AppendLine(QStringView line) {
  body_.Append(codec::ToGbk(line)).Append(QByteArrayView("\r\n"));
}

void TMultipartBody::AppendDisposition(const char* name) {
  AppendLine(QString(QStringLiteral("--") + boundary_));
  AppendLine(QString(
      QStringLiteral("Content-Disposition: form-data; name=\"%1\"").arg(QLatin1String(name))));
}

TMultipartBody& TMultipartBody::AddFile(const char* name, const QString& fileName,
                                        const QStringList& lines) {
  AppendLine(QString(QStringLiteral("--") + boundary_));
  AppendLine(QString(QStringLiteral("Content-Disposition: form-data; name=\"%1\"; filename=\"%2\"")
                         .arg(QLatin1String(name), fileName)));
  AppendLine(u"Content-Type: text/plain");
  AppendLine(u"");
  for (const QString& line : lines) AppendLine(line);
  AppendLine(u"");
  return *this;
}

TMultipartBody& TMultipartBody::Add(const char* name, const QString& value) {
  AppendDisposition(name);
  AppendLine(u"");
  AppendLine(value);
  return *this;
}

TMultipartBody& TMultipartBody::AddUtf8(const char* name, const QString& value) {
  AppendDisposition(name);
  AppendLine(u"");
  body_.Append(value.toUtf8()).Append(QByteArrayView("\r\n"));
  return *this;
}

TMultipartBody& TMultipartBody::AddSecret(const char* name, const TSecretBytes& gbkValue) {
  AppendDisposition(name);
  AppendLine(u"");
  body_.Append(gbkValue.View()).Append(QByteArrayView("\r\n"));
  return *this;
}

TMultipartBody& TMultipartBody::AddSession(const QString& txCode, const TUSER& user) {
  return Add("TXCODE", txCode)
      .Add("CUSTOMERID", user.CustId)
      .Add("USERID", user.UserId)
      .Add("SKEY", user.SKey)
      .Add("STY_MAP", QStringLiteral("8"))
      .Add("resType", QStringLiteral("HTM"))
      .Add("PT_LANGUAGE", QStringLiteral("CN"));
}

TSecretBytes TMultipartBody::Finish() {
  AppendLine(QString(QStringLiteral("--") + boundary_ + QStringLiteral("--")));
  return std::move(body_);
}

QString TMultipartBody::Header() const {
  return QStringLiteral("Content-Type: multipart/form-data; boundary=") + boundary_;
}
