#pragma once

#include <QByteArray>
#include <QString>

#include "platform/secrets/SecretBytes.h"

struct TUSER;

// Builds a form request body: "key=value" pairs joined by "&", in the order added.
// Values go as GBK bytes (or UTF-8 with AddUtf8) without further encoding, except
// that "%", "&", "=" and "+" are percent-encoded so that a value can never cut or
// change the body. Keys are plain ASCII. A character that GBK cannot hold goes
// as "?", as the system code page writes it.
class TFormBody {
 public:
  TFormBody& Add(const char* key, const QString& value);
  TFormBody& AddUtf8(const char* key, const QString& value);
  // A value already encoded by its caller (for example through UrlEncode): copied as is.
  TFormBody& AddEncoded(const char* key, const QByteArray& value);
  const QByteArray& Bytes() const { return bytes_; }

  // This body, then "key=" with the GBK bytes of a password encoded as Add
  // encodes a value, then the pairs of rest: a body that carries a password,
  // with no copy of the password outside the buffer returned.
  TSecretBytes WithSecret(const char* key, const TSecretBytes& gbkValue,
                          const TFormBody& rest) const;

  // "TXCODE=" code "&SKEY=" key "&CUSTOMERID=" customer "&USERID=" operator
  // "&PT_LANGUAGE=CN&NVX_IBSVersion=V6&PT_STYLE=8&resType=HTM": the start of most requests.
  static TFormBody Standard(const QString& txCode, const TUSER& user);
  // "CUSTOMERID=" customer "&USERID=" operator "&TXCODE=" code "&SKEY=" key
  // "&PT_LANGUAGE=CN&STY_MAP=8&resType=HTM": the start of the agent-pay requests.
  static TFormBody AgentPay(const QString& txCode, const TUSER& user);

  // The bytes of one value as Add and AddUtf8 write them.
  static QByteArray EncodeValue(const QByteArray& raw);

 private:
  void AppendKey(const char* key);
  QByteArray bytes_;
};
