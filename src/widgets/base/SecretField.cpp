#include "widgets/base/SecretField.h"

#include <QLineEdit>

namespace secret_field {

void Trim(QLineEdit* field) {
  QString text = field->text();  // shares the field's buffer
  const QStringView trimmed = QStringView(text).trimmed();
  if (trimmed.size() == text.size()) return;
  field->setText(trimmed.toString());
  WipeInPlace(text);
}

TSecretBytes Gbk(const QLineEdit* field) {
  const QString text = field->text();
  return SecretGbk(text);
}

void Wipe(QLineEdit* field) {
  QString text = field->text();
  WipeInPlace(text);
  field->clear();
}

}  // namespace secret_field
