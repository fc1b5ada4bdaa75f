#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// The fields of a form body or query string: split on "&" and on the first "="
// of each pair, percent-decoded ("+" stays "+"). Values are kept as bytes; the
// request decides how they are read. The first field of a name counts.
class TFormFields {
 public:
  TFormFields() = default;
  explicit TFormFields(const QByteArray& encoded);
  // Fields already split and decoded, e.g. the parts of a multipart form.
  explicit TFormFields(QList<QPair<QByteArray, QByteArray>> fields) : fields_(std::move(fields)) {}

  bool Has(const QByteArray& key) const;
  // The first value of the key, or empty.
  QByteArray Bytes(const QByteArray& key) const;
  // The value read as GBK, the code page of the requests.
  QString Text(const QByteArray& key) const;
  QString Utf8(const QByteArray& key) const;
  const QList<QPair<QByteArray, QByteArray>>& All() const { return fields_; }

 private:
  QList<QPair<QByteArray, QByteArray>> fields_;
};
