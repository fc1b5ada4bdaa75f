#include "session/transport/FormBody.h"

#include "core/SessionUser.h"
#include "platform/codec/Gbk.h"

TFormBody& TFormBody::Add(const char* key, const QString& value) {
  AppendKey(key);
  bytes_ += EncodeValue(codec::ToGbk(value));
  return *this;
}

TFormBody& TFormBody::AddUtf8(const char* key, const QString& value) {
  AppendKey(key);
  bytes_ += EncodeValue(value.toUtf8());
  return *this;
}

TFormBody& TFormBody::AddEncoded(const char* key, const QByteArray& value) {
  AppendKey(key);
  bytes_ += value;
  return *this;
}

void TFormBody::AppendKey(const char* key) {
  if (!bytes_.isEmpty()) bytes_ += '&';
  bytes_ += key;
  bytes_ += '=';
}

QByteArray TFormBody::EncodeValue(const QByteArray& raw) {
  // None of the four is ever the second byte of a GBK character (those are
  // 0x40 and above), so encoding byte by byte is safe.
  QByteArray encoded;
  encoded.reserve(raw.size());
  for (char c : raw) {
    switch (c) {
      case '%':
        encoded += "%25";
        break;
      case '&':
        encoded += "%26";
        break;
      case '=':
        encoded += "%3D";
        break;
      case '+':
        encoded += "%2B";
        break;
      default:
        encoded += c;
    }
  }
  return encoded;
}

TFormBody TFormBody::Standard(const QString& txCode, const TUSER& user) {
  TFormBody body;
  body.Add("TXCODE", txCode)
      .Add("SKEY", user.SKey)
      .Add("CUSTOMERID", user.CustId)
      .Add("USERID", user.UserId)
      .Add("PT_LANGUAGE", QStringLiteral("CN"))
      .Add("NVX_IBSVersion", QStringLiteral("V6"))
      .Add("PT_STYLE", QStringLiteral("8"))
      .Add("resType", QStringLiteral("HTM"));
  return body;
}

TFormBody TFormBody::AgentPay(const QString& txCode, const TUSER& user) {
  TFormBody body;
  body.Add("CUSTOMERID", user.CustId)
      .Add("USERID", user.UserId)
      .Add("TXCODE", txCode)
      .Add("SKEY", user.SKey)
      .Add("PT_LANGUAGE", QStringLiteral("CN"))
      .Add("STY_MAP", QStringLiteral("8"))
      .Add("resType", QStringLiteral("HTM"));
  return body;
}
