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

QLabel* NotYetBuiltLabel(QWidget* parent) {
  auto* note = new QLabel(QStringLiteral("此功能将在后续版本中提供"), parent);
  note->setObjectName(QStringLiteral("lblNotYetBuilt"));
  return note;
}
