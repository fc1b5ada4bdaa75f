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

namespace {

// One byte of a value as it goes into a body. None of the four escaped bytes is
// ever the second byte of a GBK character (those are 0x40 and above), so
// encoding byte by byte is safe.
QByteArrayView EncodedByte(const char& c) {
  switch (c) {
    case '%':
      return "%25";
    case '&':
      return "%26";
    case '=':
      return "%3D";
    case '+':
      return "%2B";
    default:
      return {&c, 1};
  }
}

}  // namespace

QByteArray TFormBody::EncodeValue(const QByteArray& raw) {
  QByteArray encoded;
  encoded.reserve(raw.size());
  for (const char& c : raw) encoded += EncodedByte(c);
  return encoded;
}

TSecretBytes TFormBody::WithSecret(const char* key, const TSecretBytes& gbkValue,
                                   const TFormBody& rest) const {
  TFormBody head = *this;
  head.AppendKey(key);
  TSecretBytes body;
  body.Append(head.bytes_);
  for (const char& c : gbkValue.View()) body.Append(EncodedByte(c));
  if (!rest.bytes_.isEmpty()) body.Append('&').Append(rest.bytes_);
  return body;
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
