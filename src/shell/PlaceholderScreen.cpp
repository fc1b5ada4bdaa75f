#include "shell/PlaceholderScreen.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* TitleLabel(const QString& caption, QWidget* parent) {
  auto* title = new QLabel(caption, parent);
  title->setObjectName(QStringLiteral("lblTitle"));
  QFont font = title->font();
  font.setPointSizeF(font.pointSizeF() * 1.6);
  font.setBold(true);
  title->setFont(font);
  return title;
}

}  // namespace

TPlaceholderScreen::TPlaceholderScreen(const QString& caption, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TPlaceholderScreen"));
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(TitleLabel(caption, this));
  layout->addStretch();
}

TPlaceholderDialog::TPlaceholderDialog(const QString& caption, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TPlaceholderDialog"));
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(TitleLabel(caption, this));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("关闭"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(360, 160);
}
