#include "FormFields.h"

#include "platform/codec/Gbk.h"

TFormFields::TFormFields(const QByteArray& encoded) {
  for (const QByteArray& pair : encoded.split('&')) {
    if (pair.isEmpty()) continue;
    const qsizetype equals = pair.indexOf('=');
    const QByteArray key = equals < 0 ? pair : pair.left(equals);
    const QByteArray value = equals < 0 ? QByteArray() : pair.mid(equals + 1);
    fields_.append({QByteArray::fromPercentEncoding(key), QByteArray::fromPercentEncoding(value)});
  }
}

bool TFormFields::Has(const QByteArray& key) const {
  for (const auto& field : fields_) {
    if (field.first == key) return true;
  }
  return false;
}

QByteArray TFormFields::Bytes(const QByteArray& key) const {
  for (const auto& field : fields_) {
    if (field.first == key) return field.second;
  }
  return {};
}

QString TFormFields::Text(const QByteArray& key) const {
  return codec::FromGbk(Bytes(key));
}

QString TFormFields::Utf8(const QByteArray& key) const {
  return codec::FromUtf8(Bytes(key));
}
