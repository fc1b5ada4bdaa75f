#include "shell/PlaceholderScreen.h"

#include <QLabel>
#include <QVBoxLayout>

#include "shell/CaptionLabel.h"

TPlaceholderScreen::TPlaceholderScreen(TScreenServices services, const QString& caption,
                                       QWidget* parent)
    : TFormOriginal(std::move(services), parent) {
  setObjectName(QStringLiteral("TPlaceholderScreen"));
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(CaptionLabel(caption, this));
  layout->addWidget(NotYetBuiltLabel(this));
  layout->addStretch();
}
