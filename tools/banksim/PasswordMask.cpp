#include "PasswordMask.h"

#include <array>

namespace {

constexpr std::array<const char*, 3> kPasswordFields = {"LOG_PWD", "PASSWORD", "PASSWD"};

void Mask(QByteArray& body, qsizetype from, qsizetype to) {
  for (qsizetype i = from; i < to; ++i) body[i] = '*';
}

// "NAME=value" pairs: the value runs to the next "&".
void MaskFormField(QByteArray& body, const QByteArray& name) {
  const QByteArray key = name + '=';
  for (qsizetype at = body.indexOf(key); at >= 0; at = body.indexOf(key, at + 1)) {
    if (at > 0 && body[at - 1] != '&') continue;
    const qsizetype from = at + key.size();
    const qsizetype end = body.indexOf('&', from);
    Mask(body, from, end < 0 ? body.size() : end);
  }
}

// A multipart part named NAME: its content runs from the empty line after its
// headers to the line break before the next delimiter.
void MaskFormPart(QByteArray& body, const QByteArray& name) {
  const QByteArray disposition = "name=\"" + name + '"';
  for (qsizetype at = body.indexOf(disposition); at >= 0; at = body.indexOf(disposition, at + 1)) {
    const qsizetype headersEnd = body.indexOf("\r\n\r\n", at);
    if (headersEnd < 0) return;
    const qsizetype from = headersEnd + 4;
    const qsizetype end = body.indexOf("\r\n--", from);
    Mask(body, from, end < 0 ? body.size() : end);
  }
}

}  // namespace

QByteArray MaskPasswords(QByteArray body) {
  for (const char* field : kPasswordFields) {
    MaskFormField(body, field);
    MaskFormPart(body, field);
  }
  return body;
}
