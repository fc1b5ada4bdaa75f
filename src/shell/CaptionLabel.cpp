#include "shell/CaptionLabel.h"

#include <QLabel>

QLabel* CaptionLabel(const QString& caption, QWidget* parent) {
  auto* title = new QLabel(caption, parent);
  title->setObjectName(QStringLiteral("lblTitle"));
  QFont font = title->font();
  font.setPointSizeF(font.pointSizeF() * 1.6);
  font.setBold(true);
  title->setFont(font);
  return title;
}
