#include "widgets/base/ReadOnlyField.h"

#include <QLineEdit>
#include <QPalette>

void SetFieldReadOnly(QLineEdit& field, bool readOnly) {
  field.setReadOnly(readOnly);
  // A palette with nothing set inherits everything: the writable look.
  QPalette palette;
  if (readOnly) palette.setColor(QPalette::Base, field.palette().color(QPalette::Window));
  field.setPalette(palette);
}
