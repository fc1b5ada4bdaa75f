#pragma once

#include <QString>
#include <QStringList>

#include "platform/secrets/SecretBytes.h"

struct TUSER;

// The multipart form body of the bank's file uploads. Every line is ended by
// CR LF and every part is the delimiter line, the disposition line, an empty
// line and the value line; values go in GBK (or UTF-8 where asked) with
// nothing escaped. The body is built in a buffer that is wiped when it goes,
// so that a part may carry a password with no copy of it elsewhere.
class TMultipartBody {
 public:
  // boundary: what the header names; the delimiter lines add two dashes.
  explicit TMultipartBody(QString boundary);

  // The file part: the disposition with the file name, "Content-Type:
  // text/plain", an empty line, the lines each ended by CR LF, and one more
  // CR LF.
  TMultipartBody& AddFile(const char* name, const QString& fileName, const QStringList& lines);
  TMultipartBody& Add(const char* name, const QString& value);
  TMultipartBody& AddUtf8(const char* name, const QString& value);
  // A value given as its GBK bytes (a password).
  TMultipartBody& AddSecret(const char* name, const TSecretBytes& gbkValue);
  // The parts every upload ends with: TXCODE, CUSTOMERID, USERID, SKEY,
  // STY_MAP "8", resType "HTM", PT_LANGUAGE "CN".
  TMultipartBody& AddSession(const QString& txCode, const TUSER& user);
  // Closes the body with the last delimiter and hands it over.
  TSecretBytes Finish();

  // "Content-Type: multipart/form-data; boundary=" and the boundary: the extra
  // header line of the post.
  QString Header() const;

 private:
  void AppendLine(QStringView line);
  void AppendDisposition(const char* name);

  QString boundary_;
  TSecretBytes body_;
};
