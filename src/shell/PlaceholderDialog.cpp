#include "shell/PlaceholderDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/CaptionLabel.h"

TPlaceholderDialog::TPlaceholderDialog(TPrompts& prompts, const QString& caption, QWidget* parent)
    : TClientDialog(prompts, parent) {
  setObjectName(QStringLiteral("TPlaceholderDialog"));
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(CaptionLabel(caption, this));
  layout->addWidget(NotYetBuiltLabel(this));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("关闭"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(360, 160);
}
